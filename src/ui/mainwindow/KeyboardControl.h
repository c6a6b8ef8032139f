#pragma once
// The live keyboard of the main window: picture flashes, blackout, start and
// stop, and the conveyor keys. While CheckBoxFlashOn is checked the window
// sees every key before the focused control does (key preview); keys the map
// uses then stay with the map. A focused text or number field keeps the keys
// it types or edits with, and gives the window's Ctrl commands way.

#include <QObject>
#include <cstdint>

#include "playback/KeyMap.h"
#include "ui/mainwindow/VirtualKeys.h"

class QCheckBox;
class QKeyEvent;
class QLabel;

namespace korvanel {

class WindowServices;

class ChannelSettingsGroup;
class ControlLayer;
class ConveyorGroup;

class KeyboardControl : public QObject {
    Q_OBJECT
public:
    // keyLabel: the options page's read-out of the last key.
    // The keys' commands go to control.
    KeyboardControl(WindowServices &window, ChannelSettingsGroup &settings, ConveyorGroup &conveyor,
                    ControlLayer &control, QLabel &keyLabel);

    bool keyPreview() const { return m_preview; }
    const LiveKeyboard &keys() const { return m_keys; }
    // Tests drive the X key codes and the Windows numbers through this.
    void setNativeKeys(NativeKeys native) { m_native = native; }

public slots:
    void CheckBoxFlashOnClick(bool checked);
    void FormKeyDown(std::uint16_t key, bool autoRepeat = false);
    void FormKeyUp(std::uint16_t key);
    // The window lost the keyboard while keys were held: their key-ups go elsewhere.
    void releaseHeldKeys();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyEvent(QKeyEvent &event);
    bool controlHasFocus() const;
    bool focusedFieldTakes(const QKeyEvent &event) const;
    bool commandOverField(const QObject *watched, const QKeyEvent &event) const;
    bool conveyorKeysOn() const;
    void run(const KeyCommand &command);

    // Kept as a widget: the filter still sees events while the window is being destroyed.
    QWidget &m_mainWindow;
    ControlLayer &m_control;
    QCheckBox *m_flashOn;
    QCheckBox *m_conveyorKeys;
    QLabel *m_label;
    LiveKeyboard m_keys;
    NativeKeys m_native;
    bool m_preview = true;
};

} // namespace korvanel
