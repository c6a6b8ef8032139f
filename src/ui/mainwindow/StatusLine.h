#pragma once
// Short messages in status panel 0: texts that come close together are shown
// one after another, and the panel empties 5 s after the first of them.

#include <QObject>
#include <QTimer>

class QLabel;

class StatusLine : public QObject {
    Q_OBJECT
public:
    explicit StatusLine(QLabel *panel, QObject *parent = nullptr);

    void OutStatus(const QString &text);
    QTimer &TimerStatus() { return m_timer; }
    bool showing() const { return m_timer.isActive() || m_waitingForShow; }

public slots:
    void TimerStatusTimer();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_panel;
    QTimer m_timer;
    bool m_waitingForShow = false;
    // The panel's start text is a placeholder: the first message takes its place.
    bool m_said = false;
};
