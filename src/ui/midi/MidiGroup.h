#pragma once
// The options page's MIDI group: MIDI on and off, the input and output port,
// learning, and what MIDI is doing.

#include <QGroupBox>
#include <optional>

#include "control/midi/MidiBinding.h"
#include "files/SettingsFile.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QToolButton;

namespace korvanel {

class MidiLearn;
class MidiLink;
class MidiSurface;

class MidiGroup : public QGroupBox {
    Q_OBJECT
public:
    MidiGroup(MidiLink &link, MidiSurface &surface, MidiLearn &learn, QWidget *parent = nullptr);

    // [Midi] of the settings file: the ports chosen, and MIDI switched on when it was.
    void applySettings(const MidiIni &settings);
    MidiIni settings() const;

public slots:
    void CheckBoxMidiClick(bool checked);
    void SpeedButtonMidiLearnClick(bool checked);

private:
    void fillPorts();
    void showStatus();

    MidiLink &m_link;
    MidiSurface &m_surface;
    MidiLearn &m_learn;
    QCheckBox *m_enabled = nullptr;
    QComboBox *m_input = nullptr;
    QComboBox *m_output = nullptr;
    QToolButton *m_learnButton = nullptr;
    QLabel *m_status = nullptr;
    // The last control learnt, and whether the bindings file kept it.
    std::optional<MidiBinding> m_learnt;
    bool m_learntKept = false;
};

} // namespace korvanel
