// The floor for the idle figures of the window thread: a bare Qt window of the
// program's size that shows only what the program must show while it waits,
// drawn as cheaply as Qt allows: a 12 px cell that flashes at each sequencer
// tick (1024 ms, tempo byte 32) and goes back 100 ms later, and a clock label
// that changes once a second. bench/idle-cpu.sh --floor measures it.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

class Cell : public QWidget {
public:
    explicit Cell(QWidget *parent) : QWidget(parent)
    {
        setFixedSize(12, 12);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void setColour(const QColor &colour)
    {
        m_colour = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour = Qt::white;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(895, 658);
    window.setWindowTitle(QStringLiteral("KORVANEL idle floor"));
    auto *cell = new Cell(&window);
    cell->move(700, 100);
    auto *clock = new QLabel(QStringLiteral("Паузa = 0ч 0м 0с "), &window);
    clock->setGeometry(650, 130, 118, 14);
    clock->setAutoFillBackground(true);

    QTimer step, flashEnd, seconds;
    flashEnd.setSingleShot(true);
    flashEnd.setInterval(100);
    int count = 0;
    QObject::connect(&step, &QTimer::timeout, [&] {
        cell->setColour(QColor(255, 200, 0));
        flashEnd.start();
    });
    QObject::connect(&flashEnd, &QTimer::timeout, [&] { cell->setColour(window.palette().color(QPalette::Button)); });
    QObject::connect(&seconds, &QTimer::timeout,
                     [&] { clock->setText(QStringLiteral("Паузa = 0ч 0м %1с ").arg(++count % 60)); });
    step.start(1024);
    seconds.start(1000);
    window.show();
    return app.exec();
}
