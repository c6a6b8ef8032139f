// The mouse wheel turned over the window on a real X server.
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include "core/ShowLayout.h"
#include "ui/form_fixture.h"
#include "ui/pages/faders/FaderPage.h"
#include "x11/RealInput.h"

using namespace korvanel;

namespace {

class Wheel : public FormTest {
protected:
    void SetUp() override
    {
        initialiseAtStart(*engine);
        form->ClearAll();
        form->move(0, 0);
        form->resize(895, 658);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void turn(QWidget *over, int notches)
    {
        ASSERT_TRUE(over->isVisible()) << over->objectName().toStdString();
        ASSERT_TRUE(input.turnWheel(over, notches)) << over->objectName().toStdString();
    }
    void showPage(InputPage page)
    {
        form->pageControlInput()->setCurrentIndex(static_cast<int>(page));
        QCoreApplication::processEvents();
    }

    RealInput input;
};

} // namespace

TEST_F(Wheel, OnTheOptionsPageItScrollsThePageAndChangesOnlyAControlGivenTheFocus)
{
    showPage(InputPage::Options);
    auto *universe = get<QSpinBox>("SpinEditOlaUniverse");
    auto *port = get<QSpinBox>("SpinEditRemotePort");
    QScrollArea *area = nullptr;
    for (QWidget *up = universe; up != nullptr && area == nullptr; up = up->parentWidget())
        area = qobject_cast<QScrollArea *>(up);
    ASSERT_NE(area, nullptr);
    QScrollBar *page = area->verticalScrollBar();
    const int universeBefore = universe->value();
    const int portBefore = port->value();
    const int tempoBefore = form->scrollBarTemp()->value();

    // Each box brought into view first, as an operator scrolls to it.
    for (auto [box, notches] : {std::pair<QWidget *, int>{universe, 3}, {port, 2}}) {
        area->ensureWidgetVisible(box);
        QCoreApplication::processEvents();
        const int before = page->value();
        turn(box, notches);
        EXPECT_LT(page->value(), before) << "the page scrolled instead: " << box->objectName().toStdString();
    }
    turn(form->scrollBarTemp(), 2);
    EXPECT_EQ(universe->value(), universeBefore);
    EXPECT_EQ(port->value(), portBefore);
    EXPECT_EQ(form->scrollBarTemp()->value(), tempoBefore) << "the tempo beside the page";
    EXPECT_FALSE(universe->hasFocus()) << "the wheel gives no focus";

    // Clicked on purpose, the box takes the wheel.
    area->ensureWidgetVisible(universe);
    QCoreApplication::processEvents();
    ASSERT_TRUE(input.click(universe, QPoint(5, universe->height() / 2)));
    ASSERT_TRUE(universe->hasFocus());
    turn(universe, 1);
    EXPECT_EQ(universe->value(), universeBefore + 1);
}

TEST_F(Wheel, WhereTheWindowPagesWithTheWheelTheControlUnderThePointerIsLeftAlone)
{
    showPage(InputPage::Faders);
    engine->SceneMemory.set(sceneByte(0, 5), 100);
    form->ReturnPageControlAll();
    FaderPage &faders = *form->faderPage();
    const std::uint8_t rate8 = engine->SceneMemory.get(rateByte(8));

    turn(faders.scrollBar(5), 3);
    EXPECT_EQ(load(engine->FaderPageOffset), 3);
    EXPECT_EQ(engine->level(0, 5), 100);
    turn(faders.rateBar(5), -2);
    EXPECT_EQ(load(engine->FaderPageOffset), 1);
    EXPECT_EQ(engine->SceneMemory.get(rateByte(8)), rate8);

    form->buildEditorPages();
    showPage(InputPage::Graph);
    auto *zoom = get<QScrollBar>("ScrollBarGrafikZoom");
    const int zoomBefore = zoom->value();
    turn(zoom, 1);
    EXPECT_EQ(zoom->value(), zoomBefore);
}
