#include "ui/mainwindow/KeyboardControl.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QWindow>

#include "control/ControlLayer.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/rightcolumn/ChannelSettingsGroup.h"
#include "ui/rightcolumn/ConveyorGroup.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/FocusChain.h"

namespace korvanel {

namespace {

// The keys that work on a name's text as a whole.
bool isTextEditingKey(const QKeyEvent &event)
{
    for (const QKeySequence::StandardKey key : {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
                                                QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo}) {
        if (event.matches(key))
            return true;
    }
    return false;
}

} // namespace

KeyboardControl::KeyboardControl(WindowServices &window, ChannelSettingsGroup &settings, ConveyorGroup &conveyor,
                                 ControlLayer &control, QLabel &keyLabel)
    : QObject(&window.mainWindow()), m_mainWindow(window.mainWindow()), m_control(control),
      m_flashOn(settings.checkBoxFlashOn()), m_conveyorKeys(conveyor.checkBoxKeyKonveyr()), m_label(&keyLabel),
      m_native(nativeKeysOfPlatform())
{
    setObjectName(QStringLiteral("KeyboardControl"));
    Q_ASSERT(m_flashOn && m_conveyorKeys && m_label);
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

bool KeyboardControl::focusedFieldTakes(const QKeyEvent &event) const
{
    QWidget *focus = m_mainWindow.focusWidget();
    if (focus == nullptr || !isTextField(*focus))
        return false;
    // The field says which keys it acts on itself, as it tells the shortcuts:
    // its characters and its editing keys, not Ctrl or Ctrl with a digit.
    QKeyEvent probe(QEvent::ShortcutOverride, event.key(), event.modifiers(), event.nativeScanCode(),
                    event.nativeVirtualKey(), event.nativeModifiers(), event.text(), event.isAutoRepeat(),
                    event.count());
    probe.ignore();
    static_cast<QObject *>(focus)->event(&probe);
    return probe.isAccepted();
}

// Menu shortcuts run from whatever control has the focus. A name field keeps
// only the keys that work on its text as a whole (copy, cut, paste, select
// all, undo, redo), so Ctrl+C, Ctrl+Insert, Ctrl+V and Ctrl+A copy, paste and
// select there, while Ctrl+E, Ctrl+Delete and the other command keys run their
// commands. A number box keeps none. F1 is no field's key; a Ctrl key that no
// command uses still reaches the field.
bool KeyboardControl::commandOverField(const QObject *watched, const QKeyEvent &event) const
{
    const auto *field = qobject_cast<const QWidget *>(watched);
    if (field == nullptr || field->window() != &m_mainWindow || !isTextField(*field))
        return false;
    if (!event.modifiers().testFlag(Qt::ControlModifier))
        return false;
    const bool numberBox = qobject_cast<const QAbstractSpinBox *>(field) != nullptr ||
        qobject_cast<const QAbstractSpinBox *>(field->parentWidget()) != nullptr;
    return numberBox || !isTextEditingKey(event);
}

bool KeyboardControl::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (commandOverField(watched, *static_cast<QKeyEvent *>(event))) {
            // Unclaimed, the key runs its shortcut, if one has it.
            event->ignore();
            return true;
        }
        break;
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
    // A focused text or number field takes the keys it acts on, preview or
    // not; without the preview any focused control takes its keys alone. A key
    // held down from before still gets its key-up, so no flash sticks.
    const bool fieldKey = focusedFieldTakes(event);
    const bool handled = !fieldKey && (m_preview || !controlHasFocus());
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
    // A key of the map does not also press a focused button or box.
    return !fieldKey;
}

void KeyboardControl::FormKeyDown(std::uint16_t key, bool autoRepeat)
{
    m_label->setText(QStringLiteral("NomberKey is ") + QString::number(key));
    run(m_keys.keyDown(key, conveyorKeysOn(), autoRepeat));
}

void KeyboardControl::FormKeyUp(std::uint16_t key)
{
    // A picture key let go while Ctrl is held latches its picture.
    const KeyCommand down = liveKey(key, false);
    const bool wasHeld = m_keys.held(key);
    const bool latch = m_keys.CtrlHeld();
    static_cast<void>(m_keys.keyUp(key));
    if (down.action == KeyAction::Picture && wasHeld)
        m_control.apply({KeyboardSource, command::Picture{down.index, false, latch}});
}

void KeyboardControl::releaseHeldKeys()
{
    // The key-ups go elsewhere: nothing the keys held stays on, not even under Ctrl.
    static_cast<void>(m_keys.releaseAll());
    m_control.sourceGone(KeyboardSource);
}

void KeyboardControl::run(const KeyCommand &command)
{
    switch (command.action) {
    case KeyAction::Picture:
        m_control.apply({KeyboardSource, command::Picture{command.index, true, false}});
        break;
    case KeyAction::Blackout:
        m_control.apply({KeyboardSource, command::BlackoutToggle{}});
        break;
    case KeyAction::Play:
        m_control.apply({KeyboardSource, command::Play{}});
        break;
    case KeyAction::Stop:
        m_control.apply({KeyboardSource, command::Stop{}});
        break;
    case KeyAction::Conveyor:
        m_control.apply({KeyboardSource, command::ConveyorSlot{command.index}});
        break;
    case KeyAction::TapTempo:
        m_control.apply({KeyboardSource, command::TapTempo{}});
        break;
    case KeyAction::None:
    case KeyAction::Ctrl:
        break;
    }
}

} // namespace korvanel
