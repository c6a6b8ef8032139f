// Cost of the graph and beam editor pages: the page refresh with its redraw,
// as a playing show calls it on every step, and one pointer move while a
// point of a full-length path is dragged. Runs the real window offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPoint>
#include <QScrollBar>
#include <QTabWidget>
#include <memory>

#include "core/Engine.h"
#include "editing/FigureGenerators.h"
#include "ui/mainwindow/BaseForm.h"
#include "ui/pages/beam/BeamEditorPanel.h"
#include "ui/widgets/PaintBox.h"

using namespace korvanel;

namespace {

struct Window {
    std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    std::unique_ptr<TBaseForm> form;

    explicit Window(int page)
    {
        initialiseAtStart(*engine);
        form = std::make_unique<TBaseForm>(*engine);
        form->ClearAll();
        engine->setSys(SysLastScene, 255);
        for (std::size_t s = 0; s < SceneCount; ++s)
            for (std::size_t c = 1; c <= ChannelCount; ++c)
                engine->SceneMemory.set(sceneByte(s, c), static_cast<std::uint8_t>(s * 13 + c * 7));
        FigureSettings spiral;
        spiral.to = 255;
        figureSpiral(*engine, spiral);
        form->show();
        form->pageControlInput()->setCurrentIndex(page);
        if (page == 1)
            form->findChild<QScrollBar *>(QStringLiteral("ScrollBarGrafikZoom"))->setValue(0);
        QApplication::processEvents();
    }

    void paint(const char *box) { form->findChild<PaintBox *>(QString::fromLatin1(box))->repaint(); }
};

// The whole show on the chart (zoom 0): 256 columns per redraw.
void BM_GraphPage_SceneStep(benchmark::State &state)
{
    Window w(1);
    std::uint8_t scene = 0;
    for (auto _ : state) {
        scene = static_cast<std::uint8_t>(scene + 1);
        w.engine->setSys(SysCurrentScene, scene);
        w.form->ReturnPageControlAll();
        w.paint("PaintBoxGrafik");
    }
}
BENCHMARK(BM_GraphPage_SceneStep)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// A path of 255 points.
void BM_BeamPage_SceneStep(benchmark::State &state)
{
    Window w(2);
    std::uint8_t scene = 0;
    for (auto _ : state) {
        scene = static_cast<std::uint8_t>(scene + 1);
        w.engine->setSys(SysCurrentScene, scene);
        w.form->ReturnPageControlAll();
        w.paint("PaintBoxXY");
    }
}
BENCHMARK(BM_BeamPage_SceneStep)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// Dragging: every move searches the range, writes the point and redraws the path.
void BM_BeamPage_DragMove(benchmark::State &state)
{
    Window w(2);
    auto *panel = w.form->findChild<BeamEditorPanel *>();
    panel->PaintBoxXYMouseDown(Qt::LeftButton, {127, 28}); // the spiral's first point
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 100;
        panel->PaintBoxXYMouseMove({100 + step, 100 + step / 2});
        w.paint("PaintBoxXY");
    }
    panel->PaintBoxXYMouseUp();
}
BENCHMARK(BM_BeamPage_DragMove)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
