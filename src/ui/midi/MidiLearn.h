#pragma once
// Which control of the window the operator touched while learning: a fader
// row of the fader page, a picture box, play, stop, blackout, the tempo, the
// scene slider's step arrows, a conveyor slot. The touch only chooses: it is
// kept from the control, so that learning changes nothing of the show. What
// is bound is the command's target, never the widget.

#include <QObject>
#include <map>

#include "control/midi/MidiBinding.h"

class QCheckBox;
class QScrollBar;
class QToolButton;

namespace korvanel {

class ConveyorGroup;
class FaderPage;
class SequencerTab;
class StaticPicturesGroup;

class MidiLearn : public QObject {
    Q_OBJECT
public:
    MidiLearn(FaderPage &faders, StaticPicturesGroup &pictures, SequencerTab &sequencer, QCheckBox &blackout,
              QToolButton &blackoutButton, ConveyorGroup &conveyor, QObject *parent = nullptr);

    // Watches the window's controls while on.
    void setActive(bool on);
    bool active() const { return m_active; }

signals:
    void touched(const korvanel::MidiTarget &target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::map<QObject *, MidiTarget> m_targets;
    QScrollBar *m_step = nullptr;
    bool m_active = false;
};

} // namespace korvanel
