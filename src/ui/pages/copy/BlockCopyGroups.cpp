#include "ui/pages/copy/BlockCopyGroups.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

#include "editing/BlockCopy.h"
#include "ui/mainwindow/Dialogs.h"
#include "ui/mainwindow/SceneCommands.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {

struct Field {
    const char *name;
    const char *label;
    int minimum;
    int maximum;
    int value;
};

// A titled group of labelled spin boxes over its copy button.
QGroupBox *makeGroup(QWidget *parent, const char *name, const QString &title, std::initializer_list<Field> fields,
                     const char *buttonName)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const Field &f : fields) {
        grid->addWidget(new QLabel(QObject::tr(f.label), group), row, 0);
        auto *box = new QSpinBox(group);
        box->setObjectName(QString::fromLatin1(f.name));
        box->setRange(f.minimum, f.maximum);
        box->setValue(f.value);
        grid->addWidget(box, row, 1);
        ++row;
    }
    if (buttonName) {
        QToolButton *button = makeSpeedButton(
            group,
            {buttonName, QObject::tr("Выполнить копирование"), QStyle::SP_ArrowRight, QObject::tr("Копировать")});
        grid->addWidget(button, row, 0, 1, 2, Qt::AlignRight);
    }
    return group;
}

} // namespace

BlockCopyGroups::BlockCopyGroups(WindowServices &window, SceneCommands &commands, QWidget *parent)
    : QWidget(parent), m_window(window), m_commands(commands)
{
    setObjectName(QStringLiteral("BlockCopyGroups"));

    QGroupBox *level = makeGroup(this, "GroupBoxLevelBloc", tr("Каналов текущей Сцены "),
                                 {{"SpinEditLevelFirst", QT_TR_NOOP("С канала"), 1, 254, 1},
                                  {"SpinEditLevelLast", QT_TR_NOOP("По канал"), 1, 255, 10},
                                  {"SpinEditLevelFrom", QT_TR_NOOP("В канал"), 1, 255, 11}},
                                 "SpeedButtonLevelBlocCopy");
    QGroupBox *allScenes = makeGroup(this, "GroupBox3", tr("Каналов (все сцены)"),
                                     {{"SpinEditChBeg", QT_TR_NOOP("С канала"), 1, 254, 1},
                                      {"SpinEditChFin", QT_TR_NOOP("По канал"), 1, 255, 10},
                                      {"SpinEditChTo", QT_TR_NOOP("В канал"), 1, 255, 11}},
                                     "SpeedButtonLevelJobScens");
    QGroupBox *inScenes = makeGroup(this, "GroupBox2", tr("Каналов в сценах"),
                                    {{"SpinEditAllScChbeg", QT_TR_NOOP("С канала"), 1, 254, 1},
                                     {"SpinEditAllScChFin", QT_TR_NOOP("По канал"), 1, 255, 10},
                                     {"SpinEditAllScChTo", QT_TR_NOOP("В канал"), 1, 255, 11},
                                     {"SpinEditAllScChbegSc", QT_TR_NOOP("Со сцены"), 1, 255, 1},
                                     {"SpinEditAllScChFinSc", QT_TR_NOOP("По сцену"), 1, 255, 10},
                                     {"SpinEditAllScChToSc", QT_TR_NOOP("Сдвиг сцен"), 1, 255, 11}},
                                    "SpeedButtonScenAllCopy");
    QGroupBox *scenes = makeGroup(this, "GroupBoxScenaBloc", tr("Сцен (все каналы)"),
                                  {{"SpinEditScenaFirst", QT_TR_NOOP("Со сцены"), 1, 254, 1},
                                   {"SpinEditScenaLast", QT_TR_NOOP("По сцену"), 1, 255, 10},
                                   {"SpinEditScenaFrom", QT_TR_NOOP("Начиная со сцены"), 1, 255, 11}},
                                  "SpeedButtonScenaBlocCopy");

    // The buttons of the last two groups work with the fields of the group before.
    connect(level->findChild<QToolButton *>(), &QToolButton::clicked, this, &BlockCopyGroups::ButtonLevelBlocCopyClick);
    connect(allScenes->findChild<QToolButton *>(), &QToolButton::clicked, this,
            &BlockCopyGroups::SpeedButtonLevelJobScensClick);
    connect(inScenes->findChild<QToolButton *>(), &QToolButton::clicked, this,
            &BlockCopyGroups::SpeedButtonScenAllCopyClick);
    connect(scenes->findChild<QToolButton *>(), &QToolButton::clicked, this,
            &BlockCopyGroups::ButtonScenaBlocCopyClick);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(level, 0, 0);
    grid->addWidget(allScenes, 0, 1);
    grid->addWidget(inScenes, 1, 0);
    grid->addWidget(scenes, 1, 1);
    m_nameArea = new QVBoxLayout;
    grid->addLayout(m_nameArea, 0, 2, 2, 1);
    grid->setRowStretch(2, 1);
}

QSpinBox *BlockCopyGroups::spin(const char *name) const
{
    auto *box = findChild<QSpinBox *>(QString::fromLatin1(name));
    Q_ASSERT_X(box, "BlockCopyGroups", name);
    return box;
}

void BlockCopyGroups::finish(BlockCopyResult result)
{
    m_commands.reportSnapshots(1);
    const QString title = programTitle();
    if (result == BlockCopyResult::TooManyChannels)
        m_window.dialogs().warning(&m_window.mainWindow(), title,
                                   tr(" Копирование не выполнено:Максимальное число каналов > 256 ! "));
    else if (result == BlockCopyResult::TooManyScenes)
        m_window.dialogs().warning(&m_window.mainWindow(), title,
                                   tr(" Копирование не выполнено:Максимальное число сцен > 256 ! "));
    m_window.ReturnPageControlAll();
}

void BlockCopyGroups::ButtonLevelBlocCopyClick()
{
    finish(copyChannelsInCurrentScene(
        m_window.engine(),
        {spin("SpinEditLevelFirst")->value(), spin("SpinEditLevelLast")->value(), spin("SpinEditLevelFrom")->value()}));
}

void BlockCopyGroups::SpeedButtonLevelJobScensClick()
{
    finish(copyChannelsInAllScenes(
        m_window.engine(),
        {spin("SpinEditChBeg")->value(), spin("SpinEditChFin")->value(), spin("SpinEditChTo")->value()}));
}

void BlockCopyGroups::SpeedButtonScenAllCopyClick()
{
    finish(copyChannelsInAllScenesWide(
        m_window.engine(),
        {spin("SpinEditChBeg")->value(), spin("SpinEditChFin")->value(), spin("SpinEditChTo")->value()}));
}

void BlockCopyGroups::ButtonScenaBlocCopyClick()
{
    finish(copyChannelsInSceneRange(
        m_window.engine(),
        {spin("SpinEditAllScChbeg")->value(), spin("SpinEditAllScChFin")->value(), spin("SpinEditAllScChTo")->value()},
        {spin("SpinEditAllScChbegSc")->value(), spin("SpinEditAllScChFinSc")->value(),
         spin("SpinEditAllScChToSc")->value()}));
}

} // namespace korvanel
