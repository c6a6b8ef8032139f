#pragma once
// The sequencer tab: play and stop, tempo, show clocks, the scene slider,
// the scene buttons and the start-scene preset.

#include <QWidget>

class QButtonGroup;
class QLabel;
class QScrollBar;

namespace korvanel {

class SequencerTab : public QWidget {
    Q_OBJECT
public:
    explicit SequencerTab(QWidget *parent = nullptr);

    QButtonGroup *playStopGroup() const { return m_playStop; }

public slots:
    void ScrollBarScenHandChange(int position);
    void SpeedButtonScenHandClick();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLayout *buildTempoRow();
    QLayout *buildStepRow();
    QLayout *buildSceneButtons();
    QLayout *buildPresetRow();

    QButtonGroup *m_playStop = nullptr;
    QScrollBar *m_step = nullptr;
    QScrollBar *m_scenHand = nullptr;
    QLabel *m_scenHandLabel = nullptr;
    // The show and pause clocks, which change every second.
    QWidget *m_clocks = nullptr;
};

} // namespace korvanel
