// The output monitor shows the frame being sent, the recoding on hover, and costs nothing closed.
#include "ui/form_fixture.h"

#include <QAction>

#include "files/ChannelNames.h"
#include "output/FrameAssembly.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/widgets/NameCodec.h"
#include "ui/windows/OutputMonitor.h"

using namespace korvanel;

TEST_F(FormTest, TheMonitorShowsTheSlotsOfTheRealFrameWithTheRecodingAndLooksOnlyWhileOpen)
{
    initialiseAtStart(*engine);
    form->ClearAll();
    engine->live.fadeMode.store(static_cast<std::uint8_t>(FadeMode::Off), std::memory_order_relaxed);
    engine->SceneMemory.set(sceneByte(0, 7), 200);
    engine->CoderTable.set(3, 7);
    SaveEdit(*engine, 7, padName(NameCodec::instance().encode(QStringLiteral("PAR LEFT"))));
    buildFrame(*engine);

    form->mainMenu()->items().MonitorItem->trigger();
    auto *monitor = form->findChild<OutputMonitor *>();
    ASSERT_NE(monitor, nullptr);
    EXPECT_EQ(form->mainMenu()->items().MonitorItem->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_TRUE(monitor->isVisible());
    EXPECT_TRUE(monitor->timer().isActive());
    OutputMonitorGrid &grid = *monitor->grid();
    for (int slot = 1; slot <= 512; ++slot)
        ASSERT_EQ(grid.shown(slot), engine->DmxOut.get(static_cast<std::size_t>(slot))) << slot;
    EXPECT_EQ(grid.shown(3), 200);
    EXPECT_TRUE(grid.describe(3).contains(QStringLiteral("7"))) << grid.describe(3).toStdString();
    EXPECT_TRUE(grid.describe(3).contains(QStringLiteral("PAR LEFT"))) << grid.describe(3).toStdString();
    EXPECT_EQ(grid.slotAt(QPoint(0, 0)), 0) << "the row heading";

    engine->SceneMemory.set(sceneByte(0, 7), 90);
    buildFrame(*engine);
    grid.look();
    EXPECT_EQ(grid.shown(3), 90);
    EXPECT_TRUE(grid.marked(3));
    EXPECT_FALSE(grid.marked(4));
    for (int i = 0; i < OutputMonitorGrid::MarkedLooks; ++i)
        grid.look();
    EXPECT_FALSE(grid.marked(3)) << "the mark fades";

    monitor->close();
    EXPECT_FALSE(monitor->timer().isActive()) << "closed, it looks at nothing";
}
