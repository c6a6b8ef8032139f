#pragma once
// The page "Автоматы": two four-channel chase generators, each with its own
// step timer, first channel, pattern, bright and dark levels.

#include <QGroupBox>
#include <QTimer>
#include <array>

#include "playback/EffectGenerator.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QScrollBar;

namespace korvanel {

struct Engine;
class ColorShape;

class GeneratorGroup : public QGroupBox {
    Q_OBJECT
public:
    // number: 1 or 2; the controls carry it in their names.
    GeneratorGroup(Engine &engine, int number, QWidget *parent = nullptr);

    void TempAvtomatStatus();
    void DisplayAvtomat();
    // The stored settings into the controls.
    void returnSettings();
    int pattern() const;
    QTimer &timer() { return m_timer; }

public slots:
    void TimerTempAvtomatTimer();

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool switchedOn() const;
    std::size_t sys(std::size_t generator1Position) const;
    void showChannels();

    Engine &m_engine;
    int m_number;
    GeneratorState m_state;
    const GeneratorPhases &m_phases;
    AtomicByte &m_running;
    AtomicBytes<4> &m_out;
    QTimer m_timer;
    QScrollBar *m_tempo;
    QScrollBar *m_channel;
    QScrollBar *m_bright;
    QScrollBar *m_dark;
    QLabel *m_tempoLabel;
    QLabel *m_channels;
    QLabel *m_channelName;
    QLabel *m_stepLabel;
    QButtonGroup *m_patterns;
    QCheckBox *m_alone;
    QCheckBox *m_withSequencer;
    ColorShape *m_blink;
    std::array<ColorShape *, 4> m_outputs{};
};

class GeneratorsTab : public QWidget {
    Q_OBJECT
public:
    explicit GeneratorsTab(Engine &engine, QWidget *parent = nullptr);

    // ReturnAvtomat, DisplayAvtomat1, DisplayAvtomat2.
    void refresh();
    void ReturnAvtomat();
    GeneratorGroup &generator(int number) { return number == 1 ? *m_one : *m_two; }

private:
    GeneratorGroup *m_one;
    GeneratorGroup *m_two;
};

} // namespace korvanel
