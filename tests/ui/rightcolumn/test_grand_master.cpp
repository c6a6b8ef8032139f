// The grand master under the right column scales the frame and shows its percentage.
#include "ui/form_fixture.h"

#include <QLabel>
#include <QScrollBar>

#include "output/FrameAssembly.h"
#include "ui/rightcolumn/GrandMasterRow.h"

TEST_F(FormTest, TheGrandMasterScalesTheFrameAndSaysHowMuch)
{
    korvanel::initialiseAtStart(*engine);
    form->ClearAll();
    engine->SceneMemory.set(korvanel::sceneByte(0, 1), 200);
    engine->live.fadeMode.store(static_cast<std::uint8_t>(korvanel::FadeMode::Off), std::memory_order_relaxed);
    auto *master = get<QScrollBar>("ScrollBarGrandMaster");
    EXPECT_EQ(master->value(), 100);
    EXPECT_EQ(get<QLabel>("LabelGrandMaster")->text(), "100 %");
    master->setValue(50);
    EXPECT_EQ(get<QLabel>("LabelGrandMaster")->text(), "50 %");
    korvanel::buildFrame(*engine);
    EXPECT_EQ(engine->DmxOut.get(1), 100);
    form->grandMaster()->setPercent(140);
    EXPECT_EQ(master->value(), 100) << "kept within 0..100";
}
