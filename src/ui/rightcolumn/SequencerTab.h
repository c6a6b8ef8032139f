#pragma once
// The sequencer tab: play and stop, tempo, show clocks, the scene slider,
// the scene buttons and the start-scene preset.

#include <QStringList>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QLabel;
class QScrollBar;

namespace korvanel {

class SequencerTab : public QWidget {
    Q_OBJECT
public:
    explicit SequencerTab(QWidget *parent = nullptr);

    QButtonGroup *playStopGroup() const { return m_playStop; }
    // The widest texts the two clocks can show; both are sized so that these fit.
    void setLongestClockTexts(const QStringList &texts);

public slots:
    void ScrollBarScenHandChange(int position);
    void SpeedButtonScenHandClick();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QLayout *buildTempoRow();
    QLayout *buildStepRow();
    QLayout *buildSceneButtons();
    QLayout *buildPresetRow();
    void fitClocks();

    QButtonGroup *m_playStop = nullptr;
    QScrollBar *m_step = nullptr;
    QScrollBar *m_scenHand = nullptr;
    QLabel *m_scenHandLabel = nullptr;
    // The show and pause clocks, which change every second.
    QWidget *m_clocks = nullptr;
    std::vector<QLabel *> m_clockLabels;
    QStringList m_longestClocks;
    int m_clockFitWidth = -1; // the width the clocks' font was last fitted to
};

} // namespace korvanel
