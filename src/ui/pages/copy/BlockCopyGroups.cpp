#include "ui/pages/copy/BlockCopyGroups.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>
#include <vector>

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

struct Group {
    QGroupBox *box = nullptr;
    std::vector<QSpinBox *> fields; // in the order given
    QToolButton *button = nullptr;

    std::array<QSpinBox *, 3> threeFields(std::size_t first = 0) const
    {
        return {fields.at(first), fields.at(first + 1), fields.at(first + 2)};
    }
};

// A titled group of labelled spin boxes over its copy button.
Group makeGroup(QWidget *parent, const char *name, const QString &title, std::initializer_list<Field> fields,
                const char *buttonName)
{
    Group made;
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    auto *grid = new QGridLayout(group);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const Field &f : fields) {
        grid->addWidget(new QLabel(QCoreApplication::translate("korvanel::BlockCopyGroups", f.label), group), row, 0);
        auto *box = new QSpinBox(group);
        box->setObjectName(QString::fromLatin1(f.name));
        box->setRange(f.minimum, f.maximum);
        box->setValue(f.value);
        grid->addWidget(box, row, 1);
        made.fields.push_back(box);
        ++row;
    }
    made.button = makeSpeedButton(
        group, {buttonName, QObject::tr("Выполнить копирование"), QStyle::SP_ArrowRight, QObject::tr("Копировать")});
    grid->addWidget(made.button, row, 0, 1, 2, Qt::AlignRight);
    made.box = group;
    return made;
}

// First, last and target, as the three fields show them.
ChannelBlock channelBlock(const std::array<QSpinBox *, 3> &fields)
{
    return {fields[0]->value(), fields[1]->value(), fields[2]->value()};
}

SceneRange sceneRange(const std::array<QSpinBox *, 3> &fields)
{
    return {fields[0]->value(), fields[1]->value(), fields[2]->value()};
}

} // namespace

BlockCopyGroups::BlockCopyGroups(WindowServices &window, SceneCommands &commands, QWidget *parent)
    : QWidget(parent), m_window(window), m_commands(commands)
{
    setObjectName(QStringLiteral("BlockCopyGroups"));

    const Group level = makeGroup(this, "GroupBoxLevelBloc", tr("Каналов текущей Сцены "),
                                  {{"SpinEditLevelFirst", QT_TR_NOOP("С канала"), 1, 254, 1},
                                   {"SpinEditLevelLast", QT_TR_NOOP("По канал"), 1, 255, 10},
                                   {"SpinEditLevelFrom", QT_TR_NOOP("В канал"), 1, 255, 11}},
                                  "SpeedButtonLevelBlocCopy");
    const Group allScenes = makeGroup(this, "GroupBox3", tr("Каналов (все сцены)"),
                                      {{"SpinEditChBeg", QT_TR_NOOP("С канала"), 1, 254, 1},
                                       {"SpinEditChFin", QT_TR_NOOP("По канал"), 1, 255, 10},
                                       {"SpinEditChTo", QT_TR_NOOP("В канал"), 1, 255, 11}},
                                      "SpeedButtonLevelJobScens");
    const Group inScenes = makeGroup(this, "GroupBox2", tr("Каналов в сценах"),
                                     {{"SpinEditAllScChbeg", QT_TR_NOOP("С канала"), 1, 254, 1},
                                      {"SpinEditAllScChFin", QT_TR_NOOP("По канал"), 1, 255, 10},
                                      {"SpinEditAllScChTo", QT_TR_NOOP("В канал"), 1, 255, 11},
                                      {"SpinEditAllScChbegSc", QT_TR_NOOP("Со сцены"), 1, 255, 1},
                                      {"SpinEditAllScChFinSc", QT_TR_NOOP("По сцену"), 1, 255, 10},
                                      {"SpinEditAllScChToSc", QT_TR_NOOP("Сдвиг сцен"), 1, 255, 11}},
                                     "SpeedButtonScenAllCopy");
    const Group scenes = makeGroup(this, "GroupBoxScenaBloc", tr("Сцен (все каналы)"),
                                   {{"SpinEditScenaFirst", QT_TR_NOOP("Со сцены"), 1, 254, 1},
                                    {"SpinEditScenaLast", QT_TR_NOOP("По сцену"), 1, 255, 10},
                                    {"SpinEditScenaFrom", QT_TR_NOOP("Начиная со сцены"), 1, 255, 11}},
                                   "SpeedButtonScenaBlocCopy");

    m_levelFields = level.threeFields();
    m_channelFields = allScenes.threeFields();
    m_rangeChannelFields = inScenes.threeFields();
    m_rangeSceneFields = inScenes.threeFields(3);

    // The buttons of the last two groups work with the fields of the group before.
    connect(level.button, &QToolButton::clicked, this, &BlockCopyGroups::ButtonLevelBlocCopyClick);
    connect(allScenes.button, &QToolButton::clicked, this, &BlockCopyGroups::SpeedButtonLevelJobScensClick);
    connect(inScenes.button, &QToolButton::clicked, this, &BlockCopyGroups::SpeedButtonScenAllCopyClick);
    connect(scenes.button, &QToolButton::clicked, this, &BlockCopyGroups::ButtonScenaBlocCopyClick);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(level.box, 0, 0);
    grid->addWidget(allScenes.box, 0, 1);
    grid->addWidget(inScenes.box, 1, 0);
    grid->addWidget(scenes.box, 1, 1);
    m_nameArea = new QVBoxLayout;
    grid->addLayout(m_nameArea, 0, 2, 2, 1);
    grid->setRowStretch(2, 1);
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
    finish(copyChannelsInCurrentScene(m_window.engine(), channelBlock(m_levelFields)));
}

void BlockCopyGroups::SpeedButtonLevelJobScensClick()
{
    finish(copyChannelsInAllScenes(m_window.engine(), channelBlock(m_channelFields)));
}

void BlockCopyGroups::SpeedButtonScenAllCopyClick()
{
    finish(copyChannelsInAllScenesWide(m_window.engine(), channelBlock(m_channelFields)));
}

void BlockCopyGroups::ButtonScenaBlocCopyClick()
{
    finish(copyChannelsInSceneRange(m_window.engine(), channelBlock(m_rangeChannelFields),
                                    sceneRange(m_rangeSceneFields)));
}

} // namespace korvanel
