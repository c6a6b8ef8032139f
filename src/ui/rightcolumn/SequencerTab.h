#pragma once
// The sequencer tab: play and stop, tempo, show clocks, the scene slider,
// the scene buttons and the start-scene preset.

#include <QStringList>
#include <QWidget>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QScrollBar;
class QToolButton;

namespace korvanel {

class ColorShape;

class SequencerTab : public QWidget {
    Q_OBJECT
public:
    explicit SequencerTab(QWidget *parent = nullptr);

    QButtonGroup *playStopGroup() const { return m_playStop; }

    // The tab's controls that others drive or read.
    QToolButton *speedButtonPlay() const { return m_play; }
    QToolButton *speedButtonStop() const { return m_stop; }
    QToolButton *speedButtonTap() const { return m_tap; }
    ColorShape *shpTempClikc1() const { return m_tempoShape; }
    QLabel *labelTemp() const { return m_tempoLabel; }
    QScrollBar *scrollBarTemp() const { return m_tempo; }
    QLabel *labelTimeShou() const { return m_clockLabels.at(0); }
    QLabel *labelTimePause() const { return m_clockLabels.at(1); }
    QCheckBox *checkBoxRepeat() const { return m_ring; }
    QLabel *labelStep() const { return m_stepLabel; }
    QScrollBar *scrollBarStep() const { return m_step; }
    QLabel *labelCoda() const { return m_lastLabel; }
    QToolButton *speedButtonNewScena() const { return m_newScene; }
    QToolButton *speedButtonScenaCopy() const { return m_copyScene; }
    QToolButton *speedButtonNewScenaPaste() const { return m_newScenePaste; }
    QToolButton *buttonScenaPaste() const { return m_pasteScene; }
    QToolButton *speedButtonScenaDelete() const { return m_deleteScene; }

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
    QToolButton *m_play = nullptr;
    QToolButton *m_stop = nullptr;
    QToolButton *m_tap = nullptr;
    ColorShape *m_tempoShape = nullptr;
    QLabel *m_tempoLabel = nullptr;
    QScrollBar *m_tempo = nullptr;
    QCheckBox *m_ring = nullptr;
    QLabel *m_stepLabel = nullptr;
    QScrollBar *m_step = nullptr;
    QLabel *m_lastLabel = nullptr;
    QToolButton *m_newScene = nullptr;
    QToolButton *m_copyScene = nullptr;
    QToolButton *m_newScenePaste = nullptr;
    QToolButton *m_pasteScene = nullptr;
    QToolButton *m_deleteScene = nullptr;
    QScrollBar *m_scenHand = nullptr;
    QLabel *m_scenHandLabel = nullptr;
    // The show and pause clocks, which change every second.
    QWidget *m_clocks = nullptr;
    std::vector<QLabel *> m_clockLabels;
    QStringList m_longestClocks;
    int m_clockFitWidth = -1; // the width the clocks' font was last fitted to
};

} // namespace korvanel
