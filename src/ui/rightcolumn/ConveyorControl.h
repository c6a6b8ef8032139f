#pragma once
// What the conveyor's buttons do: slot files by right click, hand mode that
// loads a slot's show at once, the two list modes that load the next active
// slot's show each time the sequencer wraps, and clearing all slots.

#include <QObject>

class QAbstractButton;
class QLabel;
class QToolButton;

namespace korvanel {

class WindowServices;

class ConveyorGroup;
class SequencerControl;
class ShowFileCommands;

class ConveyorControl : public QObject {
    Q_OBJECT
public:
    ConveyorControl(WindowServices &window, ConveyorGroup &group, SequencerControl &sequencer, ShowFileCommands &files);

    // The slot at which the next list step starts looking, 1..20.
    int KonveyrPosition = 1;

    // Slot n = 1..20 holds a show file (its caption is navy).
    bool assigned(int n) const;
    // Slot n is down.
    bool active(int n) const;

public slots:
    // SpeedButton1job .. SpeedButton20job: the click of slot n and its key.
    void SpeedButtonJob(int n);
    // The right button on slot n: choose its show file.
    void SpeedButtonMouseDown(int n);
    void KonveyrButtonOff();
    // The list step, also run by the sequencer at each wrap in a list mode.
    void KonveyrJob();
    void SpeedButtonKonvHandClick();
    void SpeedButtonKonvSpisBeginClick();
    void SpeedButtonKonvSpisClick();
    void SpeedButtonKonvNewClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolButton *slot(int n) const;

    WindowServices &m_window;
    ConveyorGroup &m_group;
    SequencerControl &m_sequencer;
    ShowFileCommands &m_files;
    QAbstractButton *m_hand;
    QLabel *m_label;
};

} // namespace korvanel
