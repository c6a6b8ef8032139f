// The channel graph page: sliders, read-outs, the chart and drawing with the mouse.
#include "ui/form_fixture.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <vector>

#include "editing/GraphEditor.h"
#include "files/ShowFile.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/graph/GraphEditorPanel.h"
#include "ui/widgets/PaintBox.h"

namespace {

using namespace korvanel;

class GraphPageTest : public FormTest {
protected:
    void SetUp() override
    {
        initialiseAtStart(*engine);
        form->ClearAll();
        form->show();
        form->pageControlInput()->setCurrentIndex(1);
        chart = get<PaintBox>("PaintBoxGrafik");
        ASSERT_NE(chart, nullptr);
        bringToFront(chart);
    }

    QScrollBar *bar(const char *name) { return get<QScrollBar>(name); }
    QString text(const char *name) { return get<QLabel>(name)->text(); }
    void tool(const char *name) { click(get<QToolButton>(name)); }

    // Zoom 3: a scene column is 16 pixels wide; its middle.
    static int columnX(int column) { return column * 16 + 8; }
    static int levelY(int level) { return 255 - level; }

    void press(Qt::MouseButton button, int x, int y)
    {
        QTest::mousePress(chart, button, {}, {x, y});
        QTest::mouseRelease(chart, button, {}, {x, y});
    }

    std::vector<int> levels(int channel, int from, int to) const
    {
        std::vector<int> out;
        for (int s = from; s <= to; ++s)
            out.push_back(engine->level(static_cast<std::size_t>(s), static_cast<std::size_t>(channel)));
        return out;
    }

    std::vector<std::uint8_t> memory() const
    {
        std::vector<std::uint8_t> bytes(SceneMemorySize);
        engine->SceneMemory.copyTo(bytes);
        return bytes;
    }

    QColor pixel(int x, int y) { return chart->grab().toImage().pixelColor(x, y); }

    PaintBox *chart = nullptr;
};

TEST_F(GraphPageTest, ControlsStartAsTheEditorExpects)
{
    EXPECT_EQ(chart->size(), QSize(512, 256));
    const struct {
        const char *name;
        int max;
        int page;
        int value;
    } bars[] = {{"ScrollBarChanellGrafik", 255, 10, 0},
                {"ScrollBarGrafikZoom", 3, 2, 3},
                {"ScrollBarGrafikArea", 7, 10, 0},
                {"ScrollBarMaxScenaGrafic", 255, 10, 1}};
    for (const auto &b : bars) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(bar(b.name)->minimum(), 0);
        EXPECT_EQ(bar(b.name)->maximum(), b.max);
        EXPECT_EQ(bar(b.name)->pageStep(), b.page);
        EXPECT_EQ(bar(b.name)->value(), b.value);
    }
    EXPECT_TRUE(get<QToolButton>("SpeedButtonGrafArrow")->isChecked());
    EXPECT_FALSE(get<QToolButton>("SpeedButtonGrafLine")->isChecked());
    EXPECT_EQ(get<QToolButton>("SpeedButtonGrafLine")->toolTip(),
              "Интерполировать уровни каналов. Начало - левая кнопка, конец - правая.");
    EXPECT_EQ(text("LabelGrafOpis"), "Динамика изменения канала по выделенным сценам ");
    EXPECT_EQ(text("LabelMaxScenaGraf"), "Установить последнюю Сцену");
    EXPECT_EQ(text("LabelGrafZoom"), " Масштаб = 8/1");
    EXPECT_EQ(text("LabelNameChanel"), " Канал 1  " + QString(16, ' '));
}

TEST_F(GraphPageTest, ZoomAndAreaChooseTheShownScenes)
{
    bar("ScrollBarGrafikZoom")->setValue(0);
    EXPECT_EQ(text("LabelScenaGrafikFrom"), "от Сцены = 1");
    EXPECT_EQ(text("LabelScenaGrafikLast"), "до Сцены = 256");
    EXPECT_EQ(text("LabelGrafZoom"), " Масштаб = 1/1");
    EXPECT_FALSE(bar("ScrollBarGrafikArea")->isEnabled());
    EXPECT_EQ(engine->graph.GraphScenesPerView, 256);

    bar("ScrollBarGrafikZoom")->setValue(3);
    EXPECT_TRUE(bar("ScrollBarGrafikArea")->isEnabled());
    bar("ScrollBarGrafikArea")->setValue(7);
    EXPECT_EQ(text("LabelScenaGrafikFrom"), "от Сцены = 225");
    EXPECT_EQ(text("LabelScenaGrafikLast"), "до Сцены = 256");

    // A wider zoom has fewer blocks: the area follows.
    bar("ScrollBarGrafikZoom")->setValue(2);
    EXPECT_EQ(bar("ScrollBarGrafikArea")->maximum(), 3);
    EXPECT_EQ(text("LabelScenaGrafikFrom"), "от Сцены = 193");
    EXPECT_EQ(text("LabelScenaGrafikLast"), "до Сцены = 256");
}

TEST_F(GraphPageTest, PressWritesTheLevelUnderThePointer)
{
    press(Qt::LeftButton, columnX(2), 0);
    EXPECT_EQ(engine->level(2, 1), 255);
    press(Qt::LeftButton, columnX(3), 255);
    EXPECT_EQ(engine->level(3, 1), 0);
    press(Qt::LeftButton, columnX(4), 128);
    EXPECT_EQ(engine->level(4, 1), 127);
    EXPECT_EQ(text("LabelScenaGrafik"), " Сцена = 5");
    EXPECT_EQ(text("LabelLevelNewGrafik"), " Новый уровень канала = 127     50%");

    // Dragged above the chart the level is 255, below it 0.
    bar("ScrollBarChanellGrafik")->setValue(6);
    QTest::mousePress(chart, Qt::LeftButton, {}, {columnX(5), 100});
    QTest::mouseMove(chart, {columnX(6), -30});
    EXPECT_EQ(engine->level(6, 7), 255);
    QTest::mouseMove(chart, {columnX(7), 400});
    EXPECT_EQ(engine->level(7, 7), 0);
    QTest::mouseRelease(chart, Qt::LeftButton, {}, {columnX(7), 400});
    EXPECT_EQ(levels(7, 5, 7), (std::vector<int>{155, 255, 0}));

    // Without a button held the pointer only reads.
    QTest::mouseMove(chart, {columnX(9), 10});
    EXPECT_EQ(engine->level(9, 7), 0);
    EXPECT_EQ(text("LabelScenaGrafik"), " Сцена = 10");
    EXPECT_EQ(text("LabelLevelNewGrafik"), " Новый уровень канала = 245     97%");
    EXPECT_EQ(text("LabelLevelDmxGrafik"), " Уровень канала сцены 10 = 0     0%");
    QTest::mouseMove(chart, {columnX(6), 10});
    EXPECT_EQ(text("LabelLevelDmxGrafik"), " Уровень канала сцены 7 = 255     100%");
}

TEST_F(GraphPageTest, AWindowLargerThanItsDesignGrowsTheChartAndTheBeamPlaneAndThePointerKeepsItsMeaning)
{
    const QSize designChart = chart->size();
    auto *plane = get<PaintBox>("PaintBoxXY");
    const QSize designPlane = plane->size();
    form->resize(DesignWidth + 400, DesignHeight + 300);
    QApplication::processEvents();
    EXPECT_EQ(chart->size(), designChart + QSize(400, 300));
    EXPECT_EQ(plane->size(), designPlane + QSize(300, 300)) << "square";

    // Twice as wide (at 1024), about twice as tall: the same scene and level as at the design size.
    form->resize(DesignWidth + 512, DesignHeight + 256);
    QApplication::processEvents();
    ASSERT_EQ(chart->size(), QSize(2 * GraphWidth, 2 * GraphHeight));
    press(Qt::LeftButton, 2 * columnX(4), 2 * 128);
    EXPECT_EQ(engine->level(4, 1), 127);

    form->resize(DesignWidth, DesignHeight);
    QApplication::processEvents();
    EXPECT_EQ(chart->size(), designChart);
    EXPECT_EQ(plane->size(), designPlane);
}

TEST_F(GraphPageTest, RampsBetweenTheAnchorAndTheRightButton)
{
    tool("SpeedButtonGrafLine");
    press(Qt::LeftButton, columnX(0), levelY(0));
    press(Qt::RightButton, columnX(3), levelY(100));
    EXPECT_EQ(levels(1, 0, 4), (std::vector<int>{0, 33, 66, 99, 0}));

    bar("ScrollBarChanellGrafik")->setValue(1);
    press(Qt::LeftButton, columnX(10), levelY(200));
    EXPECT_EQ(get<GraphEditorPanel>("GraphEditor")->anchorScene(), 10);
    press(Qt::RightButton, columnX(6), levelY(0));
    EXPECT_EQ(levels(2, 5, 11), (std::vector<int>{0, 0, 50, 100, 150, 200, 0}));
    EXPECT_EQ(get<GraphEditorPanel>("GraphEditor")->anchorScene(), 10) << "the right button keeps the anchor";
}

TEST_F(GraphPageTest, RightButtonInTheOtherModesWritesOneScene)
{
    press(Qt::LeftButton, columnX(0), levelY(0));
    press(Qt::RightButton, columnX(3), levelY(90));
    EXPECT_EQ(levels(1, 0, 3), (std::vector<int>{0, 0, 0, 90}));
}

TEST_F(GraphPageTest, RepeatFromScene250StopsAt254)
{
    for (std::size_t s = 240; s < SceneCount; ++s)
        engine->SceneMemory.set(sceneByte(s, 1), 9);
    tool("SpeedButtonGrafPen");
    bar("ScrollBarGrafikArea")->setValue(7);
    press(Qt::LeftButton, columnX(250 - 224), levelY(180));
    EXPECT_EQ(levels(1, 249, 255), (std::vector<int>{9, 180, 180, 180, 180, 180, 9}));
}

TEST_F(GraphPageTest, Channel256WritesNothing)
{
    bar("ScrollBarChanellGrafik")->setValue(255);
    EXPECT_EQ(text("LabelNameChanel"), " Канал 256  " + QString(16, ' '));
    for (std::size_t s = 0; s < SceneCount; ++s)
        engine->SceneMemory.set(sceneByte(s, 0), 44);
    bar("ScrollBarGrafikArea")->setValue(7);
    const std::vector<std::uint8_t> before = memory();
    for (const char *mode : {"SpeedButtonGrafArrow", "SpeedButtonGrafLine", "SpeedButtonGrafPen"}) {
        tool(mode);
        press(Qt::LeftButton, columnX(20), levelY(200));
        press(Qt::RightButton, columnX(31), levelY(7));
    }
    EXPECT_EQ(memory(), before);
    EXPECT_EQ(pixel(columnX(31), 250), QColor(50, 150, 150)) << "an empty column: nothing stored there";
}

TEST_F(GraphPageTest, ChartShowsBarsEndMarkerCurrentSceneAndAnchor)
{
    engine->SceneMemory.set(sceneByte(4, 1), 100);
    form->ReturnPageControlAll();
    // Scene 4: the top 155 rows empty, then the bar.
    EXPECT_EQ(pixel(columnX(4), 154), QColor(50, 150, 150));
    EXPECT_EQ(pixel(columnX(4), 155), QColor(255, 255, 10));
    // The show ends with scene 1 (last scene 1): the marker sits on the column of scene 2.
    EXPECT_EQ(pixel(2 * 16, 100), QColor(0, 0, 255));
    EXPECT_EQ(pixel(2 * 16 + 2, 100), QColor(50, 150, 150));
    // The current scene 0: a green line in the middle of its column.
    EXPECT_EQ(pixel(7, 100), QColor(0, 255, 0));
    // The anchor (scene 1 at start) sits on top of its bar, here level 0.
    EXPECT_EQ(pixel(16 + 8, 253), QColor(255, 0, 0));

    bar("ScrollBarMaxScenaGrafic")->setValue(9);
    EXPECT_EQ(engine->sys(SysLastScene), 9);
    EXPECT_EQ(form->labelCoda()->text(), "10");
    EXPECT_EQ(form->scrollBarStep()->maximum(), 10);
    EXPECT_EQ(pixel(10 * 16, 100), QColor(0, 0, 255)) << "the marker moves to scene 11 as shown";
    EXPECT_EQ(pixel(2 * 16, 100), QColor(50, 150, 150));

    // Lowering the last scene below the current one: slider, label and line stay on the show's scene.
    engine->setSys(SysCurrentScene, 8);
    bar("ScrollBarMaxScenaGrafic")->setValue(4);
    EXPECT_EQ(form->scrollBarStep()->value(), 8);
    EXPECT_EQ(form->labelStep()->text(), "9");
    EXPECT_EQ(pixel(8 * 16 + 7, 100), QColor(0, 255, 0));
}

TEST_F(GraphPageTest, ChannelSliderShowsTheNameAndThatChannel)
{
    const char name[] = "Dimmer";
    for (std::size_t i = 0; i < sizeof name - 1; ++i)
        engine->SceneMemory.set(nameOffset(5) + i, static_cast<std::uint8_t>(name[i]));
    engine->SceneMemory.set(sceneByte(0, 5), 255);
    bar("ScrollBarChanellGrafik")->setValue(4);
    EXPECT_EQ(text("LabelNameChanel"), " Канал 5  Dimmer          ");
    EXPECT_EQ(pixel(columnX(0), 1), QColor(255, 255, 10));
    EXPECT_EQ(get<GraphEditorPanel>("GraphEditor")->channel(), 5);
}

TEST_F(GraphPageTest, ClearAndOpenSetTheZoom)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("long.kvl");
    Engine show;
    show.setSys(SysLastScene, 100);
    ASSERT_TRUE(writeShowFile(show, path.toStdString()).ok());

    dialogs->fileNames.push_back(path);
    get<QAction>("OpenItem")->trigger();
    form->pageControlInput()->setCurrentIndex(1);
    EXPECT_EQ(bar("ScrollBarGrafikZoom")->value(), 2);
    EXPECT_EQ(text("LabelScenaGrafikLast"), "до Сцены = 64");
    EXPECT_EQ(bar("ScrollBarMaxScenaGrafic")->value(), 100);

    bar("ScrollBarGrafikZoom")->setValue(0);
    form->ClearAll();
    EXPECT_EQ(bar("ScrollBarGrafikZoom")->value(), 3);
    EXPECT_EQ(engine->graph.GraphColumnScale, 8);
    EXPECT_EQ(engine->graph.GraphScenesPerView, 32);
}

TEST_F(GraphPageTest, SnapshotPairBringsBackADrawing)
{
    click(get<QToolButton>("SpeedButtonMem3"));
    EXPECT_TRUE(form->speedButtonUndo3()->isEnabled());
    press(Qt::LeftButton, columnX(5), levelY(77));
    EXPECT_EQ(engine->level(5, 1), 77);
    click(form->speedButtonUndo3());
    EXPECT_EQ(engine->level(5, 1), 0);
    EXPECT_EQ(pixel(columnX(5), 250), QColor(50, 150, 150)) << "the undone chart is shown";
}

} // namespace
