#pragma once
// The levels tab of the channel settings: blackout and manual control.

#include <QWidget>

class QCheckBox;
class QVBoxLayout;

namespace korvanel {

struct Engine;

class LevelsTab : public QWidget {
    Q_OBJECT
public:
    explicit LevelsTab(Engine &engine, QWidget *parent = nullptr);

    // Where the level slider for the selected channels goes, under its label.
    QVBoxLayout *levelSliderArea() const { return m_levelArea; }
    QCheckBox *checkBoxBlackOut() const { return m_blackOut; }
    QCheckBox *checkBoxManual() const { return m_manual; }

private:
    QVBoxLayout *m_levelArea = nullptr;
    QCheckBox *m_blackOut = nullptr;
    QCheckBox *m_manual = nullptr;
};

} // namespace korvanel
