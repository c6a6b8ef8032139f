#include "ui/midi/MidiSurface.h"

#include <QFile>

#include "control/ControlLayer.h"
#include "ui/midi/MidiLink.h"
#include "ui/widgets/Controls.h"

namespace korvanel {

MidiSurface::MidiSurface(MidiLink &link, ControlLayer &control, QObject *parent)
    : QObject(parent), m_link(link), m_input(control, Controller)
{
    setObjectName(QStringLiteral("MidiSurface"));
    m_input.setBindings(defaultMidiBindings());
    m_bindings.bindings = defaultMidiBindings();
    m_feedback.setInterval(FeedbackMs);
    // Telling the controller changes no frame.
    markOutputNeutral(m_feedback);
    connect(&m_feedback, &QTimer::timeout, this, [this] { sendFeedback(); });
    connect(&link, &MidiLink::message, this, &MidiSurface::received);
    connect(&link, &MidiLink::inputClosed, this, [this] { m_input.gone(); });
    connect(&link, &MidiLink::outputOpened, this, [this] { sendFeedback(true); });
    connect(&link, &MidiLink::changed, this, &MidiSurface::followOutput);
    // A picture's pad lights as the picture goes on, not at the next look.
    control.onPicturesChanged([this](std::uint16_t) {
        if (m_link.outputOpen())
            sendFeedback();
    });
}

void MidiSurface::loadBindings()
{
    m_bindings = m_file.isEmpty() ? MidiBindingFile{} : readMidiBindingFile(QFile::encodeName(m_file).toStdString());
    if (m_file.isEmpty())
        m_bindings.bindings = defaultMidiBindings();
    m_input.setBindings(m_bindings.bindings);
    if (m_link.outputOpen())
        sendFeedback(true);
}

void MidiSurface::setLearning(bool on) { m_input.setLearning(on); }

void MidiSurface::learnFor(const MidiTarget &target) { m_input.learnFor(target); }

void MidiSurface::received(const MidiMessage &message)
{
    ++m_handled;
    switch (m_input.received(message)) {
    case MidiInput::Outcome::Applied:
        ++m_applied;
        break;
    case MidiInput::Outcome::Learnt: {
        const MidiBinding binding = m_input.learnt();
        bool kept = false;
        if (!m_file.isEmpty() && m_bindings.writable()) {
            kept = keepMidiBinding(QFile::encodeName(m_file).toStdString(), binding).ok();
            if (kept)
                m_bindings.state = MidiBindingFile::State::Read;
        }
        m_bindings.bindings = m_input.bindings();
        emit learnt(binding, kept);
        break;
    }
    case MidiInput::Outcome::Ignored:
    case MidiInput::Outcome::Waiting:
        break;
    }
}

void MidiSurface::sendFeedback(bool all)
{
    if (!m_link.outputOpen())
        return;
    for (const MidiBytes &bytes : m_input.feedback(all))
        m_link.send(bytes);
}

void MidiSurface::followOutput()
{
    if (m_link.outputOpen() && !m_feedback.isActive())
        m_feedback.start();
    else if (!m_link.outputOpen())
        m_feedback.stop();
}

} // namespace korvanel
