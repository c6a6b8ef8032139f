#pragma once
// The About window: program, version, how to reach the maker.

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <QUrl>
#include <functional>

namespace korvanel {

// A label that acts as a link: red under the mouse with a pointing hand,
// navy when the mouse leaves, green once clicked.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const char *name, const QString &text, QUrl target, QWidget *parent);

    QUrl target() const { return m_target; }
    std::function<void(const QUrl &)> open;

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setTextColor(const QColor &color);
    QUrl m_target;
};

} // namespace korvanel

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    explicit TAboutForm(QWidget *parent = nullptr);

    QTimer &TimerFlesh() { return m_flash; }
    int flashes() const { return m_flashes; }

public slots:
    void TimerFleshTimer();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QTimer m_flash;
    int m_flashes = 0;
    korvanel::LinkLabel *m_http = nullptr;
    korvanel::LinkLabel *m_update = nullptr;
};
