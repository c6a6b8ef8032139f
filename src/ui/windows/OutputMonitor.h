#pragma once
// The output monitor: all 512 slots of the frame being sent, 32 to a row,
// the recoding shown on hover (which show channel feeds a slot, and its
// name), changes marked. It looks ten times a second while it is open and
// not at all while it is closed.

#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>

#include "core/ShowLayout.h"

namespace korvanel {

struct Engine;

class OutputMonitorGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int Columns = 32;
    static constexpr int Rows = 16;
    // How many looks a changed slot stays marked.
    static constexpr int MarkedLooks = 10;

    explicit OutputMonitorGrid(const Engine &engine, QWidget *parent = nullptr);

    // One look at the frame; what changed since the last look is marked.
    void look();
    std::uint8_t shown(int slot) const { return m_levels[static_cast<std::size_t>(slot - 1)]; }
    bool marked(int slot) const { return m_marks[static_cast<std::size_t>(slot - 1)] > 0; }
    // What the hover says of a slot, 1..512.
    QString describe(int slot) const;
    // The slot under a point of the grid, 0 outside.
    int slotAt(QPoint point) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRect cellRect(int slot) const;

    const Engine &m_engine;
    std::array<std::uint8_t, DmxFrameSize - 1> m_levels{};
    std::array<std::uint8_t, DmxFrameSize - 1> m_marks{};
    bool m_looked = false;
};

class OutputMonitor : public QWidget {
    Q_OBJECT
public:
    static constexpr int LookMs = 100;

    explicit OutputMonitor(const Engine &engine, QWidget *parent = nullptr);
    OutputMonitorGrid *grid() const { return m_grid; }
    const QTimer &timer() const { return m_timer; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    OutputMonitorGrid *m_grid = nullptr;
    QTimer m_timer;
};

} // namespace korvanel
