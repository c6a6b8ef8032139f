// The beam editor page: the plane, picking and dragging points, the range
// fields, the move/mirror/size buttons with their repeat, rotation, copy to
// further pairs and the figure buttons.
#include "ui/form_fixture.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <vector>

#include "editing/FigureGenerators.h"
#include "ui/pages/beam/BeamEditorPanel.h"
#include "ui/widgets/PaintBox.h"

namespace {

using namespace korvanel;
using Point = std::pair<int, int>;

class BeamPageTest : public FormTest {
protected:
    void SetUp() override
    {
        initialiseAtStart(*engine);
        form->ClearAll();
        form->show();
        form->pageControlInput()->setCurrentIndex(2);
        panel = get<BeamEditorPanel>("BeamEditor");
        plane = get<PaintBox>("PaintBoxXY");
        ASSERT_NE(plane, nullptr);
        bringToFront(plane);
    }

    QScrollBar *bar(const char *name) { return get<QScrollBar>(name); }
    QSpinBox *spin(const char *name) { return get<QSpinBox>(name); }
    QCheckBox *box(const char *name) { return get<QCheckBox>(name); }
    QToolButton *button(const char *name) { return get<QToolButton>(name); }
    QString text(const char *name) { return get<QLabel>(name)->text(); }

    // A fixed range F..T (shown numbers).
    void range(int from, int to)
    {
        box("CheckBoxEditXYAllScenes")->setChecked(false);
        spin("SpinEditESSto")->setValue(to);
        spin("SpinEditESSfrom")->setValue(from);
        ASSERT_EQ(spin("SpinEditESSfrom")->value(), from);
        ASSERT_EQ(spin("SpinEditESSto")->value(), to);
    }

    void put(int scene, Point p, int pair = 0)
    {
        engine->SceneMemory.set(sceneByte(static_cast<std::size_t>(scene), static_cast<std::size_t>(pair + 1)),
                                static_cast<std::uint8_t>(p.first));
        engine->SceneMemory.set(sceneByte(static_cast<std::size_t>(scene), static_cast<std::size_t>(pair + 2)),
                                static_cast<std::uint8_t>(p.second));
    }
    Point at(int scene, int pair = 0) const
    {
        return {engine->level(static_cast<std::size_t>(scene), static_cast<std::size_t>(pair + 1)),
                engine->level(static_cast<std::size_t>(scene), static_cast<std::size_t>(pair + 2))};
    }
    static QPoint pointer(Point p) { return {p.first, 255 - p.second}; }

    // The plane's pixel at point p, moved by (dx, dy) pixels on the screen; the plane lies inside a 1-pixel frame.
    QColor pixel(Point p, int dx = 0, int dy = 0)
    {
        return get<QWidget>("ShapeEditScaner")->grab().toImage().pixelColor(pointer(p) + QPoint(1 + dx, 1 + dy));
    }

    BeamEditorPanel *panel = nullptr;
    PaintBox *plane = nullptr;
};

TEST_F(BeamPageTest, ControlsStartAsTheEditorExpects)
{
    for (int k = 1; k <= 4; ++k) {
        const std::string name = "ScrollBarEditXYCh" + std::to_string(k);
        EXPECT_EQ(bar(name.c_str())->maximum(), 253) << name;
        EXPECT_EQ(bar(name.c_str())->value(), 0) << name;
        const std::string check = "CheckBoxEditXY" + std::to_string(k);
        EXPECT_EQ(box(check.c_str())->isChecked(), k == 1) << check;
    }
    EXPECT_EQ(spin("SpinEditESSfrom")->minimum(), 1);
    EXPECT_EQ(spin("SpinEditESSfrom")->maximum(), 250);
    EXPECT_EQ(spin("SpinEditESSto")->minimum(), 2);
    EXPECT_EQ(spin("SpinEditESSto")->maximum(), 255);
    EXPECT_TRUE(box("CheckBoxEditXYAllScenes")->isChecked());
    EXPECT_TRUE(box("CheckBoxAllScen")->isChecked());
    EXPECT_EQ(bar("ScrollBarRotate")->minimum(), 1);
    EXPECT_EQ(bar("ScrollBarRotate")->maximum(), 359);
    EXPECT_EQ(bar("ScrollBarRotate")->value(), 45);
    EXPECT_EQ(bar("ScrollBarEditMaxX")->value(), 200);
    EXPECT_EQ(bar("ScrollBarEditWide")->value(), 7);
    EXPECT_EQ(bar("ScrollBarEditWide")->orientation(), Qt::Vertical);
    EXPECT_TRUE(get<QGroupBox>("RadioGroup16bit1")->findChildren<QRadioButton *>().first()->isChecked());
    EXPECT_EQ(panel->layoutOffset(), 2);
    EXPECT_EQ(panel->repeatTimer().interval(), 700);
    EXPECT_TRUE(panel->repeatTimer().isActive());
    EXPECT_EQ(plane->size(), QSize(256, 256));
    EXPECT_EQ(text("LabelEditRL"), "Вправо 45");
    EXPECT_EQ(text("LabelmadeFigure"), " Размер фигуры 200       Опция 7");
    EXPECT_EQ(text("LabelXYareaFirrtName1"), "Ch1  " + QString(16, ' '));
    EXPECT_EQ(text("LabelXYareaSecondName1"), "Ch2  " + QString(16, ' '));
}

TEST_F(BeamPageTest, RangeFollowsTheShowOrTheFields)
{
    // A cleared show ends with scene 1: shown 1..2.
    EXPECT_EQ(spin("SpinEditESSfrom")->value(), 1);
    EXPECT_EQ(spin("SpinEditESSto")->value(), 2);
    engine->setSys(SysLastScene, 0);
    form->ReturnPageControlAll();
    EXPECT_EQ(spin("SpinEditESSto")->value(), 2) << "the last scene 0 still gives 1..2";
    engine->setSys(SysLastScene, 40);
    form->ReturnPageControlAll();
    EXPECT_EQ(spin("SpinEditESSto")->value(), 41);

    range(5, 30);
    spin("SpinEditESSfrom")->setValue(40);
    EXPECT_EQ(spin("SpinEditESSfrom")->value(), 30) << "F not below T becomes T";
    spin("SpinEditESSto")->setValue(12);
    EXPECT_EQ(spin("SpinEditESSto")->value(), 30) << "T not above F becomes F";
    form->ReturnPageControlAll();
    EXPECT_EQ(spin("SpinEditESSto")->value(), 30) << "unchecked: the fields stay";
    box("CheckBoxEditXYAllScenes")->setChecked(true);
    EXPECT_EQ(spin("SpinEditESSfrom")->value(), 1);
    EXPECT_EQ(spin("SpinEditESSto")->value(), 41);
}

TEST_F(BeamPageTest, PressOutsideThePlaneIsTheNearestCorner)
{
    range(1, 32);
    put(3, {255, 255});
    panel->PaintBoxXYMouseDown(Qt::LeftButton, {300, -20});
    EXPECT_EQ(panel->foundScene(), 3);
    EXPECT_EQ(engine->currentScene(), 3);
    EXPECT_EQ(engine->sys(SysLastScene), 3) << "a picked scene past the end lengthens the show";
    EXPECT_EQ(form->labelStep()->text(), "4");
    EXPECT_EQ(form->labelCoda()->text(), "4");
    panel->PaintBoxXYMouseUp();
}

TEST_F(BeamPageTest, PickingOverlappingPointsFindsTheLowerScene)
{
    range(1, 32);
    engine->setSys(SysLastScene, 31);
    put(4, {100, 100});
    put(6, {102, 98});
    QTest::mousePress(plane, Qt::LeftButton, {}, pointer({101, 99}));
    EXPECT_EQ(panel->foundScene(), 4);
    EXPECT_EQ(engine->currentScene(), 4);
    EXPECT_EQ(text("LabelEXYscena"), " Сцена 5");
    EXPECT_EQ(plane->toolTip(), "Переместить сцену 5");
    QTest::mouseRelease(plane, Qt::LeftButton, {}, pointer({101, 99}));
    EXPECT_EQ(text("LabelEXYscena"), " ");
    EXPECT_TRUE(plane->toolTip().isEmpty());

    // Unchecked "Менять Сцену": the point is found, the current scene stays.
    box("CheckBoxAllScen")->setChecked(false);
    QTest::mousePress(plane, Qt::LeftButton, {}, pointer({102, 98}));
    EXPECT_EQ(panel->foundScene(), 4);
    EXPECT_EQ(engine->currentScene(), 4);
    QTest::mouseRelease(plane, Qt::LeftButton, {}, pointer({102, 98}));
    engine->setSys(SysCurrentScene, 0);
    QTest::mousePress(plane, Qt::LeftButton, {}, pointer({100, 100}));
    EXPECT_EQ(engine->currentScene(), 0);
    QTest::mouseRelease(plane, Qt::LeftButton, {}, pointer({100, 100}));
}

TEST_F(BeamPageTest, DraggedPointFollowsThePointer)
{
    range(250, 255);
    put(253, {50, 50});
    put(254, {10, 10});
    QTest::mousePress(plane, Qt::LeftButton, {}, pointer({11, 9}));
    EXPECT_EQ(panel->dragMode(), 1);
    QTest::mouseMove(plane, pointer({14, 12}));
    QTest::mouseMove(plane, pointer({40, 60}));
    EXPECT_EQ(at(254), Point(40, 60)) << "the drag keeps its point even when it leaves the pointer behind";
    EXPECT_EQ(text("LabelESPosX"), "X = 40");
    EXPECT_EQ(text("LabelESPosY"), "Y = 60");
    // Passing within 3 of another point hands the drag to it.
    QTest::mouseMove(plane, pointer({51, 52}));
    EXPECT_EQ(panel->foundScene(), 253);
    QTest::mouseMove(plane, pointer({70, 71}));
    EXPECT_EQ(at(253), Point(70, 71));
    EXPECT_EQ(at(254), Point(40, 60));
    // Off the plane the point stays on its edge.
    QTest::mouseMove(plane, {300, -20});
    EXPECT_EQ(at(253), Point(255, 255));
    QTest::mouseRelease(plane, Qt::LeftButton, {}, {300, -20});
    EXPECT_EQ(panel->dragMode(), 0);
    QTest::mouseMove(plane, pointer({100, 100}));
    EXPECT_EQ(at(253), Point(255, 255)) << "no button, no drag";
    // The empty scenes of the range all sit at (0, 0): the lowest of them is picked.
    QTest::mousePress(plane, Qt::LeftButton, {}, {-3, 300});
    EXPECT_EQ(panel->foundScene(), 249);
    QTest::mouseRelease(plane, Qt::LeftButton, {}, {-3, 300});
}

TEST_F(BeamPageTest, RightButtonOnlyShowsSize)
{
    range(1, 5);
    put(1, {20, 20});
    QTest::mousePress(plane, Qt::RightButton, {}, pointer({20, 20}));
    EXPECT_EQ(panel->dragMode(), 2);
    EXPECT_EQ(panel->foundScene(), XYNoScene) << "the right button does not pick";
    QTest::mouseMove(plane, pointer({90, 90}));
    EXPECT_EQ(text("LabelEXYscena"), " Размер ");
    EXPECT_EQ(at(1), Point(20, 20));
    QTest::mouseRelease(plane, Qt::RightButton, {}, pointer({90, 90}));
}

TEST_F(BeamPageTest, WhileThePlayPlaysPickingKeepsTheSceneButDragging)
{
    range(1, 10);
    put(5, {30, 30});
    store(engine->PlayMode, 1);
    QTest::mousePress(plane, Qt::LeftButton, {}, pointer({30, 30}));
    EXPECT_EQ(engine->currentScene(), 0);
    form->ReturnPageControlAll();
    EXPECT_EQ(panel->dragMode(), 1) << "a sequencer step does not end the drag";
    QTest::mouseMove(plane, pointer({33, 60}));
    EXPECT_EQ(at(5), Point(33, 60));
    QTest::mouseRelease(plane, Qt::LeftButton, {}, pointer({33, 60}));
    store(engine->PlayMode, 0);

    panel->PaintBoxXYMouseDown(Qt::LeftButton, pointer({33, 60}));
    form->ReturnPageControlAll();
    EXPECT_EQ(panel->dragMode(), 0) << "stopped: the refresh ends the drag";
}

TEST_F(BeamPageTest, MoveAndSizeButtonsRepeatWhileHeld)
{
    range(1, 2);
    put(0, {100, 200});
    put(1, {255, 0});
    put(2, {7, 7});
    QToolButton *right = button("SpeedButtonEditPosRight");
    QTest::mousePress(right, Qt::LeftButton);
    EXPECT_EQ(at(0), Point(101, 200));
    EXPECT_EQ(at(1), Point(255, 0));
    EXPECT_EQ(panel->repeatCode(), 1);
    EXPECT_TRUE(panel->repeatTimer().isActive());
    EXPECT_GE(panel->repeatTimer().remainingTime(), 600) << "the first repeat waits its full delay";
    panel->TimerRepeatButtonTimer();
    panel->TimerRepeatButtonTimer();
    EXPECT_EQ(at(0), Point(103, 200));
    EXPECT_EQ(panel->repeatTimer().interval(), 50);
    QTest::mouseRelease(right, Qt::LeftButton);
    EXPECT_EQ(panel->repeatCode(), 0);
    EXPECT_EQ(panel->repeatTimer().interval(), 1000);
    panel->TimerRepeatButtonTimer();
    EXPECT_EQ(at(0), Point(103, 200)) << "released: the timer does nothing";

    QTest::mousePress(button("SpeedButtonEditRazmerMene"), Qt::LeftButton);
    panel->TimerRepeatButtonTimer();
    QTest::mouseRelease(button("SpeedButtonEditRazmerMene"), Qt::LeftButton);
    EXPECT_EQ(at(0), Point(105, 198));
    EXPECT_EQ(at(1), Point(255, 0));
    EXPECT_EQ(at(2), Point(7, 7)) << "outside the range";

    for (const char *name :
         {"SpeedButtonEditPosLeft", "SpeedButtonEditPosUp", "SpeedButtonEditPosDown", "SpeedButtonEditRazmerMore"})
        click(button(name));
    EXPECT_EQ(at(0), Point(103, 199));
    EXPECT_EQ(at(1), Point(255, 0));
}

TEST_F(BeamPageTest, MirrorsActOncePerPress)
{
    range(1, 2);
    put(0, {10, 200});
    put(1, {128, 127});
    QToolButton *mirror = button("SpeedButtonGorizontMirror");
    QTest::mousePress(mirror, Qt::LeftButton);
    EXPECT_EQ(panel->repeatCode(), 0);
    panel->TimerRepeatButtonTimer();
    QTest::mouseRelease(mirror, Qt::LeftButton);
    EXPECT_EQ(at(0), Point(245, 200));
    click(button("SpeedButtonVerticalMirror"));
    EXPECT_EQ(at(0), Point(245, 55));
    click(mirror);
    click(button("SpeedButtonVerticalMirror"));
    EXPECT_EQ(at(0), Point(10, 200));
    EXPECT_EQ(at(1), Point(128, 127));
}

TEST_F(BeamPageTest, RotationTurnsTheRange)
{
    engine->setSys(SysLastScene, 0);
    form->ReturnPageControlAll();
    put(0, {127, 227});
    put(1, {227, 127});
    click(button("SpeedButtonRotateLeft"));
    EXPECT_EQ(at(0), Point(198, 198));
    bar("ScrollBarRotate")->setValue(270);
    EXPECT_EQ(text("LabelEditRL"), "Влево 90");
    bar("ScrollBarRotate")->setValue(180);
    EXPECT_EQ(text("LabelEditRL"), "Влево 180");
    bar("ScrollBarRotate")->setValue(179);
    EXPECT_EQ(text("LabelEditRL"), "Вправо 179");
}

TEST_F(BeamPageTest, CopyToCheckedPairsTakesASnapshot)
{
    range(1, 3);
    for (int s = 0; s < 4; ++s)
        put(s, {10 + s, 20 + s});
    bar("ScrollBarEditXYCh2")->setValue(2);
    bar("ScrollBarEditXYCh3")->setValue(5);
    bar("ScrollBarEditXYCh4")->setValue(253);
    box("CheckBoxEditXY2")->setChecked(true);
    box("CheckBoxEditXY4")->setChecked(true);
    EXPECT_EQ(text("LabelXYareaFirrtName4"), "Ch254  " + QString(16, ' '));
    EXPECT_EQ(text("LabelXYareaSecondName4"), "Ch255  " + QString(16, ' '));
    form->StatusPanel0()->clear();

    click(button("SpeedButtonEditXYcopy"));
    EXPECT_EQ(form->StatusPanel0()->text(), "  данные сохранены ");
    EXPECT_TRUE(form->speedButtonUndo4()->isEnabled());
    EXPECT_EQ(at(0, 2), Point(10, 20));
    EXPECT_EQ(at(2, 2), Point(12, 22));
    EXPECT_EQ(at(3, 2), Point(0, 0)) << "outside the range";
    EXPECT_EQ(at(1, 253), Point(11, 21));
    EXPECT_EQ(at(1, 5), Point(0, 0)) << "pair 3 unchecked";

    click(form->speedButtonUndo4());
    EXPECT_EQ(at(0, 2), Point(0, 0));
    EXPECT_EQ(at(1, 253), Point(0, 0));
}

TEST_F(BeamPageTest, FigureButtonsWriteTheRange)
{
    range(1, 32);
    click(button("SpeedButtonEditXYmadeCucle"));
    EXPECT_EQ(at(0), Point(127, 227));
    EXPECT_EQ(at(1), Point(147, 226));
    EXPECT_EQ(at(2), Point(165, 220));
    EXPECT_EQ(at(32), Point(0, 0));

    bar("ScrollBarEditXYCh1")->setValue(10);
    click(button("SpeedButtonEditSpiral"));
    EXPECT_EQ(at(0, 10), Point(127, 227));
    EXPECT_EQ(at(1, 10), Sinus(56, 194));
    EXPECT_EQ(at(0), Point(127, 227)) << "the first pair keeps its circle";

    bar("ScrollBarEditMaxX")->setValue(100);
    bar("ScrollBarEditWide")->setValue(0);
    EXPECT_EQ(text("LabelmadeFigure"), " Размер фигуры 100       Опция 0");
    click(button("SpeedButtonEditXYmadeRect"));
    // c = 4 · (100 div 32) = 12, k = 8: the square starts at (256 - 96) div 2.
    EXPECT_EQ(at(0, 10), Point(80, 80));
    EXPECT_EQ(at(1, 10), Point(80, 92));
}

TEST_F(BeamPageTest, CircleOneChannelApartAndThePathShowsIt)
{
    range(1, 8);
    click(get<QGroupBox>("RadioGroup16bit1")->findChildren<QRadioButton *>().at(1));
    EXPECT_EQ(panel->layoutOffset(), 3);
    click(button("SpeedButtonEditXYmadeCucle"));
    EXPECT_EQ(engine->level(0, 1), 127);
    EXPECT_EQ(engine->level(0, 3), 227);
    EXPECT_EQ(engine->level(0, 2), 0) << "channel 2 is the fine X, left alone";
    // The path takes its Y from channel 3 as well: the first point is a light square.
    EXPECT_EQ(pixel({127, 227}, -3, -3), QColor(0, 255, 0));
}

TEST_F(BeamPageTest, PlaneShowsGridAndPath)
{
    range(1, 3);
    put(0, {40, 40});
    put(1, {40, 200});
    put(2, {200, 200});
    form->ReturnPageControlAll();
    // The lines run through the points' middles; their squares show beside them.
    EXPECT_EQ(pixel({40, 40}, -3, 3), QColor(0, 255, 0)) << "first point";
    EXPECT_EQ(pixel({40, 40}, -5, 3), QColor(255, 255, 255)) << "an 8-pixel square";
    EXPECT_EQ(pixel({40, 200}, -2, 2), QColor(0, 128, 0)) << "a point between";
    EXPECT_EQ(pixel({40, 200}, -3, 2), QColor(0, 128, 0));
    EXPECT_EQ(pixel({40, 200}, -4, 2), QColor(255, 255, 255)) << "a 6-pixel square";
    EXPECT_EQ(pixel({200, 200}), QColor(255, 0, 0)) << "last point";
    EXPECT_EQ(pixel({40, 120}), QColor(0, 0, 255)) << "the line from the first point to the second";
    EXPECT_EQ(pixel({127, 20}), QColor(0, 0, 0)) << "the centre line of the grid";
    EXPECT_EQ(pixel({143, 20}), QColor(128, 128, 128));
    EXPECT_EQ(pixel({150, 20}), QColor(255, 255, 255));
}

TEST_F(BeamPageTest, ChannelNamesOfThePairs)
{
    const char name[] = "Pan";
    for (std::size_t i = 0; i < sizeof name - 1; ++i)
        engine->SceneMemory.set(nameOffset(8) + i, static_cast<std::uint8_t>(name[i]));
    bar("ScrollBarEditXYCh1")->setValue(7);
    EXPECT_EQ(text("LabelXYareaFirrtName1"), "Ch8  Pan             ");
    EXPECT_EQ(text("LabelXYareaSecondName1"), "Ch9  " + QString(16, ' '));
}

} // namespace

namespace {

TEST_F(BeamPageTest, TypedRangeLimitsActOnTheFinishedNumberAndTheFigureTakesWhatIsShown)
{
    range(15, 30);
    QSpinBox *to = spin("SpinEditESSto");
    to->setFocus();
    to->selectAll();
    QTest::keyClicks(to, "20");
    EXPECT_EQ(to->text(), "20") << "the first digit was raised to the other box's limit";
    // The figure button does not take the focus: the typed number still counts.
    click(button("SpeedButtonEditXYmadeCucle"));
    EXPECT_EQ(to->value(), 20);
    EXPECT_EQ(at(14), Point(127, 227));
    EXPECT_EQ(at(20), Point(0, 0)) << "the figure reached past the typed range";
}

} // namespace
