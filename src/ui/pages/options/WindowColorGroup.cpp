#include "ui/pages/options/WindowColorGroup.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/Engine.h"
#include "ui/mainwindow/ShowFileCommands.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/options/OptionsTab.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

namespace {
constexpr std::size_t ColorBytes[] = {SysRed, SysGreen, SysBlue};
} // namespace

WindowColorGroup::WindowColorGroup(WindowServices &window, OptionsTab &tab, ShowFileCommands &files)
    : QObject(&tab), m_window(window)
{
    setObjectName(QStringLiteral("WindowColorGroup"));
    QVBoxLayout *area = tab.colorArea();
    m_group = qobject_cast<QGroupBox *>(area->parentWidget());
    Q_ASSERT(m_group);
    m_group->setAutoFillBackground(true);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    const char *names[] = {"ScrollBarRed", "ScrollBarGreen", "ScrollBarBlue"};
    const QString captions[] = {tr("R"), tr("G"), tr("B")};
    for (int i = 0; i < 3; ++i) {
        QScrollBar *bar = makeScrollBar(m_group, {names[i], Qt::Horizontal, 0, 255, 16, 0});
        bar->setMinimumWidth(160);
        m_sliders[static_cast<std::size_t>(i)] = bar;
        grid->addWidget(new QLabel(captions[i], m_group), i, 0);
        grid->addWidget(bar, i, 1);
        connect(bar, &QScrollBar::valueChanged, this, [this, i](int position) { ScrollBarColorChange(i, position); });
    }
    m_lock = makeCheckBox(m_group, "CheckBoxColorZamok", tr("Вкл. цвет"), {}, true);
    m_avto = makeCheckBox(m_group, "CheckBoxColorAvto", tr("Менять цвет авто"), {}, false);
    grid->addWidget(m_lock, 3, 0, 1, 2);
    grid->addWidget(m_avto, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    area->addLayout(grid);
    connect(m_lock, &QCheckBox::toggled, this, &WindowColorGroup::CheckBoxColorZamokClick);

    // Save As shifts the colour when CheckBoxColorAvto is checked.
    files.setColorAvtoSwitch(m_avto);
    connect(&files, &ShowFileCommands::windowColourChanged, this, &WindowColorGroup::SetColorAll);
}

QColor WindowColorGroup::readableOn(const QColor &background)
{
    const int luma = (299 * background.red() + 587 * background.green() + 114 * background.blue()) / 1000;
    return luma < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

void WindowColorGroup::SetColorAll()
{
    const Engine &engine = m_window.engine();
    const std::uint8_t lock = engine.sys(SysColorLock);
    {
        // Mirroring the show into the controls stores nothing back.
        const QSignalBlocker blockLock(m_lock);
        if (lock == 1)
            m_lock->setChecked(true);
        else if (lock == 0)
            m_lock->setChecked(false);
        for (std::size_t i = 0; i < 3; ++i) {
            const QSignalBlocker blockSlider(m_sliders[i]);
            m_sliders[i]->setValue(engine.sys(ColorBytes[i]));
        }
    }
    const QColor chosen(engine.sys(SysRed), engine.sys(SysGreen), engine.sys(SysBlue));

    // The page refresh runs this up to ten times a second: repaint only on a change.
    QPalette groupPalette = m_group->palette();
    if (groupPalette.color(QPalette::Window) != chosen || !m_group->testAttribute(Qt::WA_SetPalette)) {
        groupPalette.setColor(QPalette::Window, chosen);
        groupPalette.setColor(QPalette::WindowText, readableOn(chosen));
        m_group->setPalette(groupPalette);
        // The window's style sheet keeps a palette from reaching the children: each caption gets its own.
        for (QWidget *caption : m_group->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<QLabel *>(caption) && !qobject_cast<QCheckBox *>(caption))
                continue;
            QPalette own = caption->palette();
            own.setColor(QPalette::WindowText, readableOn(chosen));
            caption->setPalette(own);
        }
    }

    const QColor window = lock != 0 ? chosen : QApplication::palette().color(QPalette::Window);
    QPalette formPalette = m_window.mainWindow().palette();
    if (formPalette.color(QPalette::Window) != window) {
        formPalette.setColor(QPalette::Window, window);
        m_window.mainWindow().setPalette(formPalette);
    }
}

void WindowColorGroup::ScrollBarColorChange(int component, int position)
{
    m_window.engine().setSys(ColorBytes[static_cast<std::size_t>(component)], static_cast<std::uint8_t>(position));
    SetColorAll();
}

void WindowColorGroup::CheckBoxColorZamokClick(bool checked)
{
    m_window.engine().setSys(SysColorLock, checked ? 1 : 0);
    SetColorAll();
}

} // namespace korvanel
