#include "ui/pages/beam/BeamEditorPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>

#include "core/Engine.h"
#include "ui/mainwindow/SceneCommands.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/pages/beam/FigureGroup.h"
#include "ui/widgets/ChannelName.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/EditorIcons.h"
#include "ui/widgets/GrowWithWindow.h"
#include "ui/widgets/PaintBox.h"

namespace korvanel {

namespace {

constexpr int PlaneSide = 256;
// TimerRepeatButton: the wait before a held button repeats, the repeat, and
// the beat after the release, whose first tick finds nothing held and stops the timer.
constexpr int RepeatDelayMs = 700;
constexpr int RepeatStepMs = 50;
constexpr int RepeatIdleMs = 1000;

QByteArray numbered(const char *stem, int k) { return QByteArray(stem) + QByteArray::number(k); }

QGroupBox *group(QWidget *parent, const char *name, const QString &title)
{
    auto *box = new QGroupBox(title, parent);
    if (name)
        box->setObjectName(QString::fromLatin1(name));
    return box;
}

QString nameReadout(const Engine &engine, int channel)
{
    return QStringLiteral("Ch") + QString::number(channel) + QStringLiteral("  ") +
        channelName(engine, static_cast<std::size_t>(channel)).leftJustified(16, QLatin1Char(' '));
}

} // namespace

BeamEditorPanel::BeamEditorPanel(WindowServices &window, SceneCommands &commands, QWidget *parent)
    : QWidget(parent), m_window(window), m_commands(commands), m_engine(window.engine())
{
    setObjectName(QStringLiteral("BeamEditor"));

    m_repeatTimer.setObjectName(QStringLiteral("TimerRepeatButton"));
    m_repeatTimer.setInterval(RepeatDelayMs);
    connect(&m_repeatTimer, &QTimer::timeout, this, &BeamEditorPanel::TimerRepeatButtonTimer);
    m_repeatTimer.start();

    m_figures = new FigureGroup(this);
    connect(m_figures, &FigureGroup::figureClicked, this, &BeamEditorPanel::makeFigure);
    connect(m_figures->sizeBar(), &QScrollBar::valueChanged, this, &BeamEditorPanel::ReLabelEdiXY);
    connect(m_figures->optionBar(), &QScrollBar::valueChanged, this, &BeamEditorPanel::ReLabelEdiXY);

    m_changeScene =
        makeCheckBox(this, "CheckBoxAllScen", tr("Менять Сцену"), tr("Перетаскивание луча меняет текущую сцену"), true);
    auto *copy =
        makeSpeedButton(this, {"SpeedButtonEditXYcopy", tr("Выполнить копирование в каналы, выбранные флажками ")});
    copy->setIcon(editorIcon(EditorIcon::CopyPairs));
    connect(copy, &QToolButton::clicked, this, &BeamEditorPanel::SpeedButtonEditXYcopyClick);
    m_figureLabel = makeLabel(this, "LabelmadeFigure", {});

    auto *left = new QVBoxLayout;
    left->setSpacing(3);
    left->addWidget(buildPlane());
    left->addWidget(buildReadouts());
    left->addWidget(m_figureLabel);
    left->addWidget(buildLayoutChoice());
    left->addStretch();

    auto *middle = new QVBoxLayout;
    middle->setSpacing(3);
    middle->addWidget(buildChannels());
    auto *copyRow = new QHBoxLayout;
    copyRow->addWidget(copy);
    copyRow->addWidget(m_changeScene);
    copyRow->addStretch();
    middle->addLayout(copyRow);
    middle->addWidget(buildRange());
    middle->addWidget(buildRotation());
    middle->addStretch();

    auto *right = new QVBoxLayout;
    right->setSpacing(3);
    right->addWidget(buildMoves());
    right->addWidget(m_figures);
    right->addStretch();

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addLayout(left, 0, 0, 2, 1);
    layout->addLayout(middle, 0, 1);
    layout->addLayout(right, 0, 2);
    layout->addWidget(buildDeviceChoice(), 1, 1, 1, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);

    window.setPageRefresh(InputPage::Beam, [this] {
        ReLabelEdiXY();
        // While the show plays the refresh comes with every step; a drag goes on through it.
        if (load(m_engine.PlayMode) == 0) {
            m_dragMode = 0;
            ReturnEditXY();
        }
    });
    ReLabelEdiXY();
}

QWidget *BeamEditorPanel::buildPlane()
{
    auto *shape = new QFrame(this);
    shape->setObjectName(QStringLiteral("ShapeEditScaner"));
    shape->setFrameShape(QFrame::Box);
    shape->setLineWidth(1);
    shape->setFixedSize(PlaneSide + 2, PlaneSide + 2);
    shape->setAutoFillBackground(true);
    QPalette white = shape->palette();
    white.setColor(QPalette::Window, Qt::white);
    shape->setPalette(white);

    m_grid = new PaintBox("PaintBoxGrid", {PlaneSide, PlaneSide}, shape);
    m_grid->setPainter([this](QPainter &painter) { GrideXY(painter); });
    m_grid->setMouseTracking(false);
    // The path lies over the grid and takes the mouse.
    m_path = new PaintBox("PaintBoxXY", {PlaneSide, PlaneSide}, shape);
    m_path->setPainter([this](QPainter &painter) { VisibleXY(painter); });
    m_grid->move(1, 1);
    m_path->move(1, 1);
    m_path->raise();
    // A window larger than its design gives the plane the room, square.
    new GrowWithWindow(m_window.mainWindow(), {DesignWidth, DesignHeight}, shape, [this, shape](QSize extra) {
        const int side = PlaneSide + std::min(extra.width(), extra.height());
        shape->setFixedSize(side + 2, side + 2);
        m_grid->setFixedSize(side, side);
        m_path->setFixedSize(side, side);
    });
    connect(m_path, &PaintBox::mouseDown, this, &BeamEditorPanel::PaintBoxXYMouseDown);
    connect(m_path, &PaintBox::mouseMove, this, &BeamEditorPanel::PaintBoxXYMouseMove);
    connect(m_path, &PaintBox::mouseUp, this, [this] { PaintBoxXYMouseUp(); });
    setHint(true, tr("Переместить сцену в X-Y"));
    return shape;
}

QWidget *BeamEditorPanel::buildChannels()
{
    QGroupBox *box = group(this, "GroupBoxEditXYChanell", tr("Редактируемые Каналы "));
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setVerticalSpacing(0);
    const QString hint = tr("При включенном флажке содежимое Редактируемого поля  записывается в память");
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (int k = 1; k <= 4; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        m_copyTo[i] = makeCheckBox(box, numbered("CheckBoxEditXY", k).constData(), {}, hint, k == 1);
        m_pairs[i] =
            makeScrollBar(box, {numbered("ScrollBarEditXYCh", k).constData(), Qt::Horizontal, 0, XYMaxPair, 10, 0});
        m_firstNames[i] = makeLabel(box, numbered("LabelXYareaFirrtName", k).constData(), {});
        m_secondNames[i] = makeLabel(box, numbered("LabelXYareaSecondName", k).constData(), {});
        m_firstNames[i]->setFont(small);
        m_secondNames[i]->setFont(small);
        // The two names of a pair one under the other: side by side, two
        // sixteen-letter names do not fit the column.
        const int row = 3 * (k - 1);
        grid->addWidget(m_copyTo[i], row, 0);
        grid->addWidget(m_pairs[i], row, 1);
        grid->addWidget(m_firstNames[i], row + 1, 1);
        grid->addWidget(m_secondNames[i], row + 2, 1);
        connect(m_pairs[i], &QScrollBar::valueChanged, this, [this] {
            ReLabelEdiXY();
            ReturnEditXY();
        });
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget *BeamEditorPanel::buildRange()
{
    QGroupBox *box = group(this, "GroupBoxEditScanScen", tr("Видимые Сцены "));
    m_from = new QSpinBox(box);
    m_from->setObjectName(QStringLiteral("SpinEditESSfrom"));
    m_from->setRange(1, 250);
    m_from->setValue(1);
    m_to = new QSpinBox(box);
    m_to->setObjectName(QStringLiteral("SpinEditESSto"));
    m_to->setRange(2, 255);
    m_to->setValue(32);
    limitOnFinishedNumbers({m_from, m_to});
    m_allScenes = makeCheckBox(box, "CheckBoxEditXYAllScenes", tr("Все сцены"), {}, true);
    connect(m_from, &QSpinBox::valueChanged, this, &BeamEditorPanel::SpinEditESSfromChange);
    connect(m_to, &QSpinBox::valueChanged, this, &BeamEditorPanel::SpinEditESStoChange);
    connect(m_allScenes, &QCheckBox::toggled, this, &BeamEditorPanel::ReLabelEdiXY);

    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(new QLabel(tr("От Сцены"), box), 0, 0);
    grid->addWidget(m_from, 0, 1);
    grid->addWidget(new QLabel(tr("До Сцены"), box), 1, 0);
    grid->addWidget(m_to, 1, 1);
    grid->addWidget(m_allScenes, 2, 0, 1, 2);
    return box;
}

QWidget *BeamEditorPanel::buildMoves()
{
    auto *holder = new QWidget(this);
    auto *grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);

    struct Move {
        const char *name;
        int code;
        QStyle::StandardPixmap icon;
        EditorIcon drawn;
        const char *hint;
    };
    const char *shift = QT_TR_NOOP("Смещение фигуры");
    const char *mirror = QT_TR_NOOP("Зеркальное отображение");
    const Move moves[] = {
        {"SpeedButtonEditPosUp", XYUp, QStyle::SP_ArrowUp, {}, shift},
        {"SpeedButtonEditPosLeft", XYLeft, QStyle::SP_ArrowLeft, {}, shift},
        {"SpeedButtonEditPosRight", XYRight, QStyle::SP_ArrowRight, {}, shift},
        {"SpeedButtonEditPosDown", XYDown, QStyle::SP_ArrowDown, {}, shift},
        {"SpeedButtonGorizontMirror", XYMirrorX, QStyle::SP_CustomBase, EditorIcon::MirrorX, mirror},
        {"SpeedButtonVerticalMirror", XYMirrorY, QStyle::SP_CustomBase, EditorIcon::MirrorY, mirror},
        {"SpeedButtonEditRazmerMore", XYLarger, QStyle::SP_CustomBase, EditorIcon::Larger,
         QT_TR_NOOP("Увеличить фигуру")},
        {"SpeedButtonEditRazmerMene", XYSmaller, QStyle::SP_CustomBase, EditorIcon::Smaller,
         QT_TR_NOOP("Уменьшить фигуру")},
    };
    QGroupBox *position = group(holder, nullptr, tr("Положение"));
    QGroupBox *mirrors = group(holder, nullptr, tr("Отражение "));
    QGroupBox *size = group(holder, nullptr, tr("Размер "));
    auto *positionGrid = new QGridLayout(position);
    auto *mirrorColumn = new QHBoxLayout(mirrors);
    auto *sizeColumn = new QHBoxLayout(size);
    for (QLayout *l : {static_cast<QLayout *>(positionGrid), static_cast<QLayout *>(mirrorColumn),
                       static_cast<QLayout *>(sizeColumn)}) {
        l->setContentsMargins(3, 2, 3, 2);
        l->setSpacing(1);
    }
    const QPoint cross[] = {{1, 0}, {0, 1}, {2, 1}, {1, 2}};
    for (std::size_t i = 0; i < std::size(moves); ++i) {
        const Move &m = moves[i];
        QToolButton *button = makeSpeedButton(holder, {m.name, tr(m.hint), m.icon});
        if (m.icon == QStyle::SP_CustomBase)
            button->setIcon(editorIcon(m.drawn));
        button->setFixedSize(26, 24);
        const int code = m.code;
        connect(button, &QToolButton::pressed, this, [this, code] { buttonDown(code); });
        // Mirrors act once; moves and sizes repeat while held.
        if (xyRepeats(code))
            connect(button, &QToolButton::released, this, &BeamEditorPanel::buttonUp);
        if (i < 4)
            positionGrid->addWidget(button, cross[i].y(), cross[i].x());
        else if (i < 6)
            mirrorColumn->addWidget(button);
        else
            sizeColumn->addWidget(button);
    }
    grid->addWidget(position, 0, 0);
    grid->addWidget(mirrors, 1, 0);
    grid->addWidget(size, 2, 0);
    return holder;
}

QWidget *BeamEditorPanel::buildRotation()
{
    QGroupBox *box = group(this, nullptr, tr("Поворот"));
    m_rotate = makeScrollBar(box, {"ScrollBarRotate", Qt::Horizontal, 1, 359, 10, 45});
    connect(m_rotate, &QScrollBar::valueChanged, this, &BeamEditorPanel::ReLabelEdiXY);
    auto *button = makeSpeedButton(box, {"SpeedButtonRotateLeft", tr("Выполнить поворот ")});
    button->setIcon(editorIcon(EditorIcon::Rotate));
    connect(button, &QToolButton::clicked, this, &BeamEditorPanel::SpeedButtonRotateLeftClick);
    m_rotationLabel = makeLabel(box, "LabelEditRL", {});

    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->addWidget(m_rotate, 0, 0, 1, 2);
    grid->addWidget(button, 1, 0);
    grid->addWidget(m_rotationLabel, 1, 1);
    return box;
}

QWidget *BeamEditorPanel::buildLayoutChoice()
{
    QGroupBox *arrangement = group(this, "RadioGroup16bit1", tr("Расположение каналов  X - Y "));
    m_layout = new QButtonGroup(arrangement);
    auto *row = new QHBoxLayout(arrangement);
    row->setContentsMargins(4, 0, 4, 2);
    const QString items[] = {tr("Рядом"), tr("Через канал")};
    for (int i = 0; i < 2; ++i) {
        auto *item = new QRadioButton(items[i], arrangement);
        m_layout->addButton(item, i);
        row->addWidget(item);
    }
    m_layout->button(0)->setChecked(true);
    connect(m_layout, &QButtonGroup::idClicked, this, [this](int id) {
        m_layoutOffset = static_cast<std::uint8_t>(id + 2);
        ReturnEditXY();
    });
    return arrangement;
}

QWidget *BeamEditorPanel::buildDeviceChoice()
{
    // The device type is offered but no figure depends on it yet.
    QGroupBox *head = group(this, "RadioGroupHead", tr("Выбор типа устройства для создания фигур "));
    auto *row = new QHBoxLayout(head);
    row->setContentsMargins(4, 0, 4, 2);
    auto *heads = new QButtonGroup(head);
    for (const char *item : {"Scaner", "Head"}) {
        auto *button = new QRadioButton(QString::fromLatin1(item), head);
        heads->addButton(button);
        row->addWidget(button);
    }
    heads->buttons().first()->setChecked(true);
    return head;
}

QWidget *BeamEditorPanel::buildReadouts()
{
    QGroupBox *box = group(this, "GroupBoxSysXY", tr("Текущие"));
    m_posX = makeLabel(box, "LabelESPosX", QStringLiteral("X = "));
    m_posY = makeLabel(box, "LabelESPosY", QStringLiteral("Y = "));
    m_sceneLabel = makeLabel(box, "LabelEXYscena", tr(" Сцена ? "));
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(4, 0, 4, 2);
    for (QLabel *label : {m_posX, m_posY, m_sceneLabel}) {
        label->setMinimumWidth(60);
        row->addWidget(label);
    }
    return box;
}

std::uint8_t BeamEditorPanel::pair() const { return static_cast<std::uint8_t>(m_pairs[0]->value()); }

XYRange BeamEditorPanel::range() const { return XYRange::shown(m_from->value(), m_to->value()); }

XYRange BeamEditorPanel::editRange()
{
    takeTypedNumbers({m_from, m_to});
    return range();
}

void BeamEditorPanel::setHint(bool on, const QString &text)
{
    if (!text.isEmpty())
        m_path->setProperty("hintText", text);
    m_path->setToolTip(on ? m_path->property("hintText").toString() : QString());
}

void BeamEditorPanel::GrideXY(QPainter &painter) const
{
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(127, 0, 127, 255);
    painter.drawLine(0, 127, 255, 127);
    painter.setPen(QPen(QColor(128, 128, 128), 1));
    for (int at : {143, 159, 175, 191, 207, 223, 239, 111, 95, 79, 63, 47, 31, 15}) {
        painter.drawLine(at, 0, at, 255);
        painter.drawLine(0, at, 255, at);
    }
}

void BeamEditorPanel::VisibleXY(QPainter &painter) const
{
    const XYRange r = range();
    if (r.first < 0 || r.first > r.last || r.first >= static_cast<int>(SceneCount))
        return;
    const int last = std::min(r.last, static_cast<int>(SceneCount) - 1);
    const int xChannel = pair() + 1;
    const int yChannel = pair() + m_layoutOffset;
    auto pointOf = [&](int scene) {
        const auto s = static_cast<std::uint8_t>(scene);
        return QPoint(xyLevel(m_engine, s, xChannel), 255 - xyLevel(m_engine, s, yChannel));
    };
    QPoint previous = pointOf(r.first);
    painter.fillRect(previous.x() - 4, previous.y() - 4, 8, 8, QColor(0, 255, 0));
    painter.setPen(QPen(Qt::blue, 1));
    for (int s = r.first + 1; s <= last; ++s) {
        const QPoint p = pointOf(s);
        painter.fillRect(p.x() - 3, p.y() - 3, 6, 6, QColor(0, 128, 0));
        painter.drawLine(previous, p);
        previous = p;
    }
    painter.fillRect(previous.x() - 3, previous.y() - 3, 6, 6, Qt::red);
}

void BeamEditorPanel::ReturnEditXY() { m_path->update(); }

void BeamEditorPanel::ReLabelEdiXY()
{
    m_sceneLabel->setText(tr(" Сцена ? "));
    setHint(false);
    if (m_allScenes->isChecked()) {
        const auto [from, to] = xyAllScenesShown(m_engine.sys(SysLastScene));
        m_from->setValue(from);
        m_to->setValue(to);
    }
    for (std::size_t i = 0; i < m_pairs.size(); ++i) {
        const int p = m_pairs[i]->value();
        m_firstNames[i]->setText(nameReadout(m_engine, p + 1));
        m_secondNames[i]->setText(nameReadout(m_engine, p + 2));
    }
    const int angle = m_rotate->value();
    m_rotationLabel->setText(angle >= 180 ? tr("Влево ") + QString::number(360 - angle)
                                          : tr("Вправо ") + QString::number(angle));
    m_figureLabel->setText(tr(" Размер фигуры ") + QString::number(m_figures->figureSize()) + tr("       Опция ") +
                           QString::number(m_figures->figureOption()));
}

void BeamEditorPanel::SpinEditESSfromChange()
{
    if (m_from->value() >= m_to->value())
        m_from->setValue(m_to->value());
    ReturnEditXY();
}

void BeamEditorPanel::SpinEditESStoChange()
{
    if (m_to->value() <= m_from->value())
        m_to->setValue(m_from->value());
    ReturnEditXY();
}

void BeamEditorPanel::searchAt(int x, int y)
{
    const int found = SearchScena(m_engine, pair(), editRange(), x, y);
    if (found == XYNoScene)
        return;
    m_foundScene = found;
    const QString shown = QString::number(found + 1);
    m_sceneLabel->setText(tr(" Сцена ") + shown);
    setHint(true, tr("Переместить сцену ") + shown);
}

void BeamEditorPanel::PaintBoxXYMouseDown(Qt::MouseButton button, QPoint at)
{
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return;
    m_dragMode = button == Qt::LeftButton ? 1 : 2;
    const auto [x, y] = xyPlanePoint(at.x(), at.y());
    m_foundScene = XYNoScene;
    if (button == Qt::LeftButton)
        searchAt(x, y);
    if (load(m_engine.PlayMode) == 1 || m_foundScene == XYNoScene || !m_changeScene->isChecked())
        return;

    // The picked point's scene becomes the current one; the tick sends it from its next frame.
    const auto scene = static_cast<std::uint8_t>(m_foundScene);
    m_engine.setSys(SysCurrentScene, scene);
    if (scene > m_engine.sys(SysLastScene))
        m_engine.setSys(SysLastScene, scene);
    m_window.showSceneReadouts();
}

void BeamEditorPanel::PaintBoxXYMouseMove(QPoint at)
{
    const auto [x, y] = xyPlanePoint(at.x(), at.y());
    m_posY->setText(QStringLiteral("Y = ") + QString::number(y));
    m_posX->setText(QStringLiteral("X = ") + QString::number(x));
    m_sceneLabel->setText(QStringLiteral("  "));
    setHint(false);
    searchAt(x, y);
    if (m_dragMode == 1 && m_foundScene < 255)
        xyDragPoint(m_engine, pair(), m_foundScene, x, y);
    if (m_dragMode == 2)
        m_sceneLabel->setText(tr(" Размер "));
    if (m_dragMode == 1)
        m_path->setCursor(Qt::DragMoveCursor);
    else if (m_dragMode == 2)
        m_path->setCursor(Qt::SizeAllCursor);
    ReturnEditXY();
}

void BeamEditorPanel::PaintBoxXYMouseUp()
{
    m_path->unsetCursor();
    m_dragMode = 0;
    m_sceneLabel->setText(QStringLiteral(" "));
    setHint(false);
}

void BeamEditorPanel::buttonDown(int code)
{
    m_repeatCode = static_cast<std::uint8_t>(xyRepeats(code) ? code : XYNone);
    // A held button first repeats a whole delay after its own press, so a
    // click is always one step.
    if (m_repeatCode != XYNone) {
        m_repeatTimer.setInterval(RepeatDelayMs);
        m_repeatTimer.start();
    }
    ButtonRepeat(m_engine, pair(), editRange(), code);
    ReturnEditXY();
}

void BeamEditorPanel::buttonUp()
{
    m_repeatCode = XYNone;
    m_repeatTimer.setInterval(RepeatIdleMs);
}

void BeamEditorPanel::TimerRepeatButtonTimer()
{
    if (!xyRepeats(m_repeatCode)) {
        m_repeatTimer.stop();
        return;
    }
    m_repeatTimer.setInterval(RepeatStepMs);
    ButtonRepeat(m_engine, pair(), editRange(), m_repeatCode);
    ReturnEditXY();
}

void BeamEditorPanel::SpeedButtonRotateLeftClick()
{
    RotateArea(m_engine, pair(), editRange(), m_rotate->value());
    ReturnEditXY();
}

void BeamEditorPanel::SpeedButtonEditXYcopyClick()
{
    m_commands.ToMemoryUndo();
    const XYRange r = editRange();
    if (r.last < r.first)
        return;
    std::array<std::uint8_t, 3> targets{};
    std::array<bool, 3> checked{};
    for (std::size_t k = 1; k < 4; ++k) {
        targets[k - 1] = static_cast<std::uint8_t>(m_pairs[k]->value());
        checked[k - 1] = m_copyTo[k]->isChecked();
    }
    copyToPairs(m_engine, pair(), r, targets, checked);
    ReturnEditXY();
}

void BeamEditorPanel::makeFigure(int index)
{
    const FigureGroup::Generator generate = FigureGroup::generator(index);
    if (!generate)
        return;
    takeTypedNumbers({m_from, m_to});
    FigureSettings settings;
    settings.pair = pair();
    settings.layout = m_layoutOffset;
    settings.from = m_from->value();
    settings.to = m_to->value();
    settings.size = m_figures->figureSize();
    settings.option = m_figures->figureOption();
    generate(m_engine, settings);
    ReturnEditXY();
}

} // namespace korvanel
