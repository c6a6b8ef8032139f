#include "ui/mainwindow/KeyboardControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QWindow>

#include "core/Engine.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/rightcolumn/ChannelSettingsGroup.h"
#include "ui/rightcolumn/ConveyorControl.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/rightcolumn/SequencerControl.h"
#include "ui/rightcolumn/StaticPicturesGroup.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

KeyboardControl::KeyboardControl(WindowServices &window, ChannelSettingsGroup &settings, ConveyorGroup &conveyor,
                                 ConveyorControl &conveyorControl, SequencerControl &sequencer, QLabel &keyLabel)
    : QObject(&window.mainWindow()), m_window(window), m_mainWindow(window.mainWindow()), m_sequencer(sequencer),
      m_conveyorControl(conveyorControl), m_pictures(settings.pictures()),
      m_flashOn(namedChild<QCheckBox>(settings, "CheckBoxFlashOn")),
      m_blackOut(namedChild<QCheckBox>(settings, "CheckBoxBlackOut")),
      m_conveyorKeys(namedChild<QCheckBox>(conveyor, "CheckBoxKeyKonveyr")), m_label(&keyLabel),
      m_native(nativeKeysOfPlatform())
{
    setObjectName(QStringLiteral("KeyboardControl"));
    Q_ASSERT(m_pictures && m_conveyorKeys && m_label);
    connect(m_flashOn, &QCheckBox::toggled, this, &KeyboardControl::CheckBoxFlashOnClick);
    CheckBoxFlashOnClick(m_flashOn->isChecked());
    // Key events reach the window's native window before any of its
    // controls, so watching there sees each key once and first.
    qApp->installEventFilter(this);
}

void KeyboardControl::CheckBoxFlashOnClick(bool checked) { m_preview = checked; }

bool KeyboardControl::conveyorKeysOn() const { return m_conveyorKeys->isChecked(); }

bool KeyboardControl::controlHasFocus() const
{
    const QWidget *focus = m_mainWindow.focusWidget();
    return focus != nullptr && focus != &m_mainWindow;
}

bool KeyboardControl::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (watched == m_mainWindow.windowHandle() && watched != nullptr)
            return keyEvent(*static_cast<QKeyEvent *>(event));
        break;
    case QEvent::WindowDeactivate:
        if (watched == &m_mainWindow)
            releaseHeldKeys();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool KeyboardControl::keyEvent(QKeyEvent &event)
{
    const std::uint16_t key = virtualKey(event, m_native);
    const bool press = event.type() == QEvent::KeyPress;
    // Without the preview a focused control takes its keys alone; a key held
    // down from before still gets its key-up, so no flash sticks.
    const bool handled = m_preview || !controlHasFocus();
    if (press) {
        if (handled)
            FormKeyDown(key, event.isAutoRepeat());
    } else if (!event.isAutoRepeat() && (handled || m_keys.held(key))) {
        // The system's repeats come as release-press pairs: a held key stays held.
        FormKeyUp(key);
    }
    if (!m_preview)
        return false;
    const KeyAction action = liveKey(key, conveyorKeysOn()).action;
    if (action == KeyAction::None || action == KeyAction::Ctrl)
        return false;
    // A key of the map does not also press a focused button or box; a text
    // field still gets its characters.
    const QWidget *focus = m_mainWindow.focusWidget();
    return focus == nullptr || !focus->testAttribute(Qt::WA_InputMethodEnabled);
}

void KeyboardControl::FormKeyDown(std::uint16_t key, bool autoRepeat)
{
    m_label->setText(QStringLiteral("NomberKey is ") + QString::number(key));
    run(m_keys.keyDown(key, conveyorKeysOn(), autoRepeat), true);
}

void KeyboardControl::FormKeyUp(std::uint16_t key) { run(m_keys.keyUp(key), false); }

void KeyboardControl::releaseHeldKeys()
{
    const std::uint16_t off = m_keys.releaseAll();
    for (std::size_t k = 0; k < StaticPictureCount; ++k) {
        if (off & (1u << k))
            m_pictures->picture(k)->setChecked(false);
    }
}

void KeyboardControl::run(const KeyCommand &command, bool down)
{
    switch (command.action) {
    case KeyAction::Picture:
        m_pictures->picture(static_cast<std::size_t>(command.index))->setChecked(down);
        break;
    case KeyAction::Blackout:
        m_blackOut->toggle();
        store(m_window.engine().PlayMode, 0);
        break;
    case KeyAction::Play:
        m_sequencer.ModePlay();
        break;
    case KeyAction::Stop:
        m_sequencer.ModeStop();
        break;
    case KeyAction::Conveyor:
        m_conveyorControl.SpeedButtonJob(command.index);
        break;
    case KeyAction::None:
    case KeyAction::Ctrl:
        break;
    }
}

} // namespace korvanel
