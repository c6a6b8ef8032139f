#pragma once
// The three output modes of the fader page: normal, blackout, and blackout
// with the macros picture. Exactly one is down at a time.

#include <QWidget>

class QButtonGroup;
class QToolButton;

namespace korvanel {

class OutputModeButtons : public QWidget {
    Q_OBJECT
public:
    explicit OutputModeButtons(QWidget *parent = nullptr);

    QToolButton *onScena() const { return m_onScena; }
    QToolButton *blackOut() const { return m_blackOut; }
    QToolButton *macrosOut() const { return m_macrosOut; }
    QButtonGroup *group() const { return m_group; }

private:
    QToolButton *m_onScena = nullptr;
    QToolButton *m_blackOut = nullptr;
    QToolButton *m_macrosOut = nullptr;
    QButtonGroup *m_group = nullptr;
};

} // namespace korvanel
