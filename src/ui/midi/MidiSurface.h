#pragma once
// A MIDI controller on the window: its messages go through the bindings to
// the control layer (control/midi/MidiInput), learning keeps what it binds in
// the bindings file, and the controller's pads and motor faders are told what
// changed: pictures at once, the rest within 50 ms while an output is open.

#include <QObject>
#include <QString>
#include <QTimer>

#include "control/midi/MidiBindingFile.h"
#include "control/midi/MidiInput.h"

namespace korvanel {

class ControlLayer;
class MidiLink;

class MidiSurface : public QObject {
    Q_OBJECT
public:
    static constexpr int FeedbackMs = 50;
    static constexpr Source Controller{SourceKind::Midi, 1};

    MidiSurface(MidiLink &link, ControlLayer &control, QObject *parent = nullptr);

    // Where the bindings are kept; without one the defaults hold and nothing learnt is kept.
    void setBindingFile(const QString &file) { m_file = file; }
    const QString &bindingFilePath() const { return m_file; }
    // Reads the bindings anew (each time MIDI is switched on, so that edits count).
    void loadBindings();
    const MidiBindingFile &bindingFile() const { return m_bindings; }
    const MidiBindings &bindings() const { return m_input.bindings(); }

    void setLearning(bool on);
    bool learning() const { return m_input.learning(); }
    void learnFor(const MidiTarget &target);
    const std::optional<MidiTarget> &learnTarget() const { return m_input.learnTarget(); }

    // Messages handled, and those that acted on the show, since the start; tests and the bench count them.
    quint64 handled() const { return m_handled; }
    quint64 applied() const { return m_applied; }

signals:
    // A control was bound; kept: written to the bindings file.
    void learnt(const korvanel::MidiBinding &binding, bool kept);

public slots:
    // Sends the controller what changed since it was last told, or everything.
    void sendFeedback(bool all = false);

private:
    void received(const MidiMessage &message);
    void followOutput();

    MidiLink &m_link;
    MidiInput m_input;
    QString m_file;
    MidiBindingFile m_bindings;
    QTimer m_feedback;
    quint64 m_handled = 0;
    quint64 m_applied = 0;
};

} // namespace korvanel
