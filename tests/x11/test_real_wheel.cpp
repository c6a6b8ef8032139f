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
    QScrollBar *page = nullptr;
    for (QWidget *up = universe; up != nullptr && page == nullptr; up = up->parentWidget())
        if (auto *area = qobject_cast<QScrollArea *>(up))
            page = area->verticalScrollBar();
    ASSERT_NE(page, nullptr);
    page->setValue(page->maximum());
    QCoreApplication::processEvents();
    const int universeBefore = universe->value();
    const int portBefore = port->value();
    const int tempoBefore = form->scrollBarTemp()->value();

    turn(universe, 3);
    turn(port, 2);
    turn(form->scrollBarTemp(), 2);
    EXPECT_EQ(universe->value(), universeBefore);
    EXPECT_EQ(port->value(), portBefore);
    EXPECT_EQ(form->scrollBarTemp()->value(), tempoBefore) << "the tempo beside the page";
    EXPECT_LT(page->value(), page->maximum()) << "the page scrolled instead";
    EXPECT_FALSE(universe->hasFocus()) << "the wheel gives no focus";

    // Clicked on purpose, the box takes the wheel.
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
