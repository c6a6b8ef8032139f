#pragma once
// The grand master: one fader under the right column, on the status line, that scales every slot
// on the wire. Not part of the show: the settings file keeps it.

#include <QWidget>

class QLabel;
class QScrollBar;

namespace korvanel {

struct LiveControls;

class GrandMasterRow : public QWidget {
    Q_OBJECT
public:
    GrandMasterRow(LiveControls &live, QWidget *parent = nullptr);

    QScrollBar *scrollBarGrandMaster() const { return m_master; }
    int percent() const;
    void setPercent(int percent);
    // As wide as `column`, whatever width it takes.
    void followWidthOf(QWidget &column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(int percent);

    LiveControls &m_live;
    QScrollBar *m_master = nullptr;
    QLabel *m_label = nullptr;
    QWidget *m_column = nullptr;
};

} // namespace korvanel
