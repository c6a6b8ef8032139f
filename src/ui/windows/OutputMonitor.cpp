#include "ui/windows/OutputMonitor.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <QVBoxLayout>

#include "core/Engine.h"
#include "ui/widgets/ChannelName.h"

namespace korvanel {

namespace {
constexpr int HeadingWidth = 34; // the row's first slot number
constexpr int CellWidth = 30;
constexpr int CellHeight = 30;
constexpr int SlotCount = static_cast<int>(DmxFrameSize) - 1;
} // namespace

OutputMonitorGrid::OutputMonitorGrid(const Engine &engine, QWidget *parent) : QWidget(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("OutputMonitorGrid"));
    setMouseTracking(true);
}

QSize OutputMonitorGrid::sizeHint() const { return {HeadingWidth + Columns * CellWidth + 1, Rows * CellHeight + 1}; }

QRect OutputMonitorGrid::cellRect(int slot) const
{
    const int index = slot - 1;
    return {HeadingWidth + (index % Columns) * CellWidth, (index / Columns) * CellHeight, CellWidth, CellHeight};
}

int OutputMonitorGrid::slotAt(QPoint point) const
{
    if (point.x() < HeadingWidth || point.y() < 0)
        return 0;
    const int column = (point.x() - HeadingWidth) / CellWidth;
    const int row = point.y() / CellHeight;
    if (column >= Columns || row >= Rows)
        return 0;
    return row * Columns + column + 1;
}

void OutputMonitorGrid::look()
{
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        const std::uint8_t level = m_engine.DmxOut.get(static_cast<std::size_t>(slot));
        if (m_marks[i] > 0)
            --m_marks[i];
        if (m_looked && level != m_levels[i])
            m_marks[i] = MarkedLooks;
        m_levels[i] = level;
    }
    m_looked = true;
    update();
}

QString OutputMonitorGrid::describe(int slot) const
{
    if (slot < 1 || slot > SlotCount)
        return {};
    const int level = shown(slot);
    QString text = tr("Канал DMX %1: %2 (%3 %)").arg(slot).arg(level).arg((level * 100 + 127) / 255);
    if (slot >= static_cast<int>(MixedSlots))
        return text + QLatin1Char('\n') +
            tr("Вне таблицы перекодировки: сюда выводится только пульт ручного сканирования");
    const std::size_t source = m_engine.CoderTable.get(static_cast<std::size_t>(slot));
    if (source == 0 || source >= MixedSlots)
        return text + QLatin1Char('\n') + tr("Таблица перекодировки не выводит сюда ни один канал");
    const QString name = channelName(m_engine, source);
    text += QLatin1Char('\n') + tr("Из канала шоу %1").arg(source);
    if (!name.isEmpty())
        text += QStringLiteral(" «%1»").arg(name);
    return text;
}

bool OutputMonitorGrid::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const int slot = slotAt(help->pos());
        if (slot > 0)
            QToolTip::showText(help->globalPos(), describe(slot), this, cellRect(slot));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void OutputMonitorGrid::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    p.setFont(small);
    const QColor bar(90, 150, 255);
    const QColor changed(255, 220, 90);
    const QColor unmapped = palette().color(QPalette::Window);
    for (int row = 0; row < Rows; ++row)
        p.drawText(QRect(0, row * CellHeight, HeadingWidth - 4, CellHeight), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(row * Columns + 1));
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const QRect cell = cellRect(slot).adjusted(0, 0, -1, -1);
        const bool fed = slot < static_cast<int>(MixedSlots) && m_engine.CoderTable.get(slot) != 0 &&
            m_engine.CoderTable.get(slot) < MixedSlots;
        p.fillRect(cell, marked(slot) ? changed : fed ? palette().color(QPalette::Base) : unmapped);
        const int level = shown(slot);
        const int height = (cell.height() - 2) * level / 255;
        p.fillRect(QRect(cell.left() + 1, cell.bottom() - height, 4, height), bar);
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(cell);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(cell.adjusted(5, 0, -1, 0), Qt::AlignCenter, QString::number(level));
    }
}

OutputMonitor::OutputMonitor(const Engine &engine, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("OutputMonitor"));
    setWindowTitle(tr("Монитор выхода DMX"));
    setAttribute(Qt::WA_QuitOnClose, false);
    m_grid = new OutputMonitorGrid(engine, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_grid);
    m_timer.setObjectName(QStringLiteral("TimerOutputMonitor"));
    m_timer.setInterval(LookMs);
    connect(&m_timer, &QTimer::timeout, m_grid, &OutputMonitorGrid::look);
}

void OutputMonitor::showEvent(QShowEvent *event)
{
    m_grid->look();
    m_timer.start();
    QWidget::showEvent(event);
}

void OutputMonitor::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}

} // namespace korvanel
