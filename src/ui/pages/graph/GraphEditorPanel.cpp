#include "ui/pages/graph/GraphEditorPanel.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include "core/Engine.h"
#include "editing/GraphZoom.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/widgets/ChannelName.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/EditorIcons.h"
#include "ui/widgets/GrowWithWindow.h"
#include "ui/widgets/PaintBox.h"

namespace korvanel {

namespace {
const QColor EmptyColour(50, 150, 150);
const QColor BarColour(255, 255, 10);

QString percentText(int level) { return QString::number(levelPercent(level)) + QStringLiteral("%"); }
} // namespace

GraphEditorPanel::GraphEditorPanel(WindowServices &window, QWidget *parent)
    : QWidget(parent), m_window(window), m_engine(window.engine())
{
    setObjectName(QStringLiteral("GraphEditor"));

    m_chart = new PaintBox("PaintBoxGrafik", {GraphWidth, GraphHeight}, this);
    m_chart->setPainter([this](QPainter &painter) { paintChart(painter); });
    connect(m_chart, &PaintBox::mouseDown, this, &GraphEditorPanel::PaintBoxGrafikMouseDown);
    connect(m_chart, &PaintBox::mouseMove, this, &GraphEditorPanel::PaintBoxGrafikMouseMove);
    connect(m_chart, &PaintBox::mouseUp, this, [this] { PaintBoxGrafikMouseUp(); });

    m_channel = makeScrollBar(
        this,
        {"ScrollBarChanellGrafik", Qt::Horizontal, 0, 255, 10, 0, tr("Устанавливает номер редактируемого канала")});
    m_zoom =
        makeScrollBar(this, {"ScrollBarGrafikZoom", Qt::Horizontal, 0, 3, 2, m_engine.graph.zoom, tr("Масштаб сцен")});
    m_area = makeScrollBar(this, {"ScrollBarGrafikArea", Qt::Horizontal, 0, 255, 10, 0, tr("Блок редактируемых сцен")});
    m_area->setEnabled(false);
    m_lastScene = makeScrollBar(this,
                                {"ScrollBarMaxScenaGrafic", Qt::Horizontal, 0, 255, 10, m_engine.sys(SysLastScene),
                                 tr("Установка номера последней сцены")});

    m_name = makeLabel(this, "LabelNameChanel", {});
    m_zoomLabel = makeLabel(this, "LabelGrafZoom", {});
    m_from = makeLabel(this, "LabelScenaGrafikFrom", {});
    m_to = makeLabel(this, "LabelScenaGrafikLast", {});
    m_scene = makeLabel(this, "LabelScenaGrafik", tr(" Сцена = "));
    m_newLevel = makeLabel(this, "LabelLevelNewGrafik", tr(" Новый уровень канала = "));
    m_storedLevel = makeLabel(this, "LabelLevelDmxGrafik", tr(" Уровень канала сцены "));
    m_name->setMinimumWidth(200);
    m_scene->setMinimumWidth(110);

    connect(m_channel, &QScrollBar::valueChanged, this, &GraphEditorPanel::ScrollBarChanellGrafikChange);
    connect(m_zoom, &QScrollBar::valueChanged, this, &GraphEditorPanel::ScrollBarGrafikZoomChange);
    connect(m_area, &QScrollBar::valueChanged, this, &GraphEditorPanel::ScrollBarGrafikAreaChange);
    connect(m_lastScene, &QScrollBar::valueChanged, this, &GraphEditorPanel::ScrollBarMaxScenaGraficChange);

    auto *chartRow = new QHBoxLayout;
    chartRow->addWidget(m_chart, 0, Qt::AlignTop);
    chartRow->addWidget(buildTools(), 0, Qt::AlignTop);
    chartRow->addStretch();

    // Under the chart and as wide as it.
    auto *controls = new QWidget(this);
    controls->setFixedWidth(GraphWidth);
    auto *grid = new QGridLayout(controls);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    auto *areaRow = new QHBoxLayout;
    areaRow->addWidget(m_from);
    areaRow->addWidget(m_area, 1);
    areaRow->addWidget(m_to);
    grid->addLayout(areaRow, 0, 0, 1, 2);
    grid->addWidget(m_name, 1, 0);
    grid->addWidget(m_channel, 1, 1);
    auto *pointer = new QHBoxLayout;
    pointer->addWidget(m_scene);
    pointer->addWidget(m_newLevel, 1);
    grid->addLayout(pointer, 2, 0, 1, 2);
    grid->addWidget(m_storedLevel, 3, 0, 1, 2);
    grid->addWidget(makeLabel(this, "LabelMaxScenaGraf", tr("Установить последнюю Сцену")), 4, 0);
    grid->addWidget(m_lastScene, 4, 1);
    grid->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(makeLabel(this, "LabelGrafOpis", tr("Динамика изменения канала по выделенным сценам ")));
    layout->addLayout(chartRow);
    layout->addWidget(controls);
    layout->addStretch();
    // A window larger than its design gives the chart, and the controls under it, the room.
    new GrowWithWindow(window.mainWindow(), {DesignWidth, DesignHeight}, this, [this, controls](QSize extra) {
        m_chart->setFixedSize(m_chart->designSize() + extra);
        controls->setFixedWidth(GraphWidth + extra.width());
    });

    window.setPageRefresh(InputPage::Graph, [this] {
        ReturnGrafikLabel();
        RepaintGrafik();
    });
    ReturnGrafikLabel();
}

QWidget *GraphEditorPanel::buildTools()
{
    auto *column = new QWidget(this);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    struct Tool {
        const char *name;
        const char *hint;
        EditorIcon icon;
        GraphTool tool;
    };
    const Tool tools[] = {
        {"SpeedButtonGrafArrow", QT_TR_NOOP("Устанавливать значение только одного канала"), EditorIcon::GraphArrow,
         GraphTool::Arrow},
        {"SpeedButtonGrafLine", QT_TR_NOOP("Интерполировать уровни каналов. Начало - левая кнопка, конец - правая."),
         EditorIcon::GraphLine, GraphTool::Line},
        {"SpeedButtonGrafPen", QT_TR_NOOP("Повторять значение текущего канала во всех рабочих сценах"),
         EditorIcon::GraphPen, GraphTool::Pen}};
    m_tools = new QButtonGroup(this);
    for (const Tool &t : tools) {
        QToolButton *button = makeSpeedButton(column, {t.name, tr(t.hint), QStyle::SP_CustomBase, {}, true});
        button->setIcon(editorIcon(t.icon));
        button->setIconSize({20, 20});
        m_tools->addButton(button, static_cast<int>(t.tool));
        layout->addWidget(button);
    }
    m_tools->button(static_cast<int>(GraphTool::Arrow))->setChecked(true);

    layout->addSpacing(12);
    layout->addWidget(m_zoomLabel);
    m_zoom->setFixedWidth(90);
    layout->addWidget(m_zoom);
    return column;
}

int GraphEditorPanel::channel() const { return m_channel->value() + 1; }

GraphTool GraphEditorPanel::tool() const { return static_cast<GraphTool>(m_tools->checkedId()); }

void GraphEditorPanel::paintChart(QPainter &painter) const
{
    const GraphView &view = m_engine.graph;
    const int w = 2 * view.GraphColumnScale;
    const GraphRange shown = graphShownScenes(view, m_area->value());
    const int ch = channel();
    const int endMarker = m_engine.sys(SysLastScene) + 1;
    const int current = m_engine.currentScene();
    for (int s = shown.first; s <= shown.last; ++s) {
        const int x = (s - shown.first) * w;
        const int level = graphLevel(m_engine, ch, static_cast<std::uint8_t>(s));
        const int t = 255 - level;
        painter.fillRect(x, 0, w, t, EmptyColour);
        painter.fillRect(x, t, w, 255 - t, BarColour);
        if (s == endMarker)
            painter.fillRect(x, 0, 2, 255, Qt::blue);
        if (s == current)
            painter.fillRect(x + w / 2 - 1, 0, 1, 255, Qt::green);
        if (s == m_anchorScene)
            painter.fillRect(x + w / 2 - 3, t - 3, 6, 6, Qt::red);
    }
}

void GraphEditorPanel::RepaintGrafik() { m_chart->update(); }

void GraphEditorPanel::ReturnGrafikLabel()
{
    const GraphView &view = m_engine.graph;
    {
        // Mirrors of the show: setting them must not write it back.
        const QSignalBlocker last(m_lastScene);
        const QSignalBlocker zoom(m_zoom);
        const QSignalBlocker area(m_area);
        m_lastScene->setValue(m_engine.sys(SysLastScene));
        m_zoom->setValue(view.zoom);
        m_area->setMaximum(graphAreaMaximum(view));
    }
    m_area->setEnabled(view.GraphColumnScale != 1);

    const int ch = channel();
    m_name->setText(tr(" Канал ") + QString::number(ch) + QStringLiteral("  ") +
                    channelName(m_engine, static_cast<std::size_t>(ch)).leftJustified(16, QLatin1Char(' ')));
    const GraphRange shown = graphShownScenes(view, m_area->value());
    m_from->setText(tr("от Сцены = ") + QString::number(shown.first + 1));
    m_to->setText(tr("до Сцены = ") + QString::number(shown.last + 1));
    m_zoomLabel->setText(tr(" Масштаб = ") + QString::number(view.GraphColumnScale) + QStringLiteral("/1"));
}

void GraphEditorPanel::GrafikLabel(int x, int y)
{
    const std::uint8_t s = graphSceneAt(m_engine.graph, m_area->value(), x);
    const std::uint8_t n = graphLevelAt(y);
    const int stored = graphLevel(m_engine, channel(), s);
    const QString scene = QString::number(s + 1);
    m_scene->setText(tr(" Сцена = ") + scene);
    m_newLevel->setText(tr(" Новый уровень канала = ") + QString::number(n) + QStringLiteral("     ") + percentText(n));
    m_storedLevel->setText(tr(" Уровень канала сцены ") + scene + QStringLiteral(" = ") + QString::number(stored) +
                           QStringLiteral("     ") + percentText(stored));
    if (m_drawing == 0)
        return;
    graphDraw(m_engine, channel(), tool(), s, n);
}

void GraphEditorPanel::PaintBoxGrafikMouseDown(Qt::MouseButton button, QPoint at)
{
    m_drawing = 1;
    const std::uint8_t s = graphSceneAt(m_engine.graph, m_area->value(), at.x());
    if (button == Qt::LeftButton)
        m_anchorScene = s;
    GrafikLabel(at.x(), at.y());
    if (button == Qt::RightButton && tool() == GraphTool::Line)
        graphRamp(m_engine, channel(), m_anchorScene, s);
    RepaintGrafik();
}

void GraphEditorPanel::PaintBoxGrafikMouseMove(QPoint at)
{
    GrafikLabel(at.x(), at.y());
    if (m_drawing == 1)
        RepaintGrafik();
}

void GraphEditorPanel::PaintBoxGrafikMouseUp() { m_drawing = 0; }

void GraphEditorPanel::ScrollBarChanellGrafikChange()
{
    ReturnGrafikLabel();
    RepaintGrafik();
}

void GraphEditorPanel::ScrollBarGrafikZoomChange(int position)
{
    m_engine.graph = graphViewForZoom(position);
    ReturnGrafikLabel();
    RepaintGrafik();
}

void GraphEditorPanel::ScrollBarGrafikAreaChange()
{
    ReturnGrafikLabel();
    RepaintGrafik();
}

void GraphEditorPanel::ScrollBarMaxScenaGraficChange(int position)
{
    m_engine.setSys(SysLastScene, static_cast<std::uint8_t>(position));
    m_window.ReturnPageControlAll();
}

} // namespace korvanel
