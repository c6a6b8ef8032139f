#include "ui/windows/HandScanForm.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "control/ControlLayer.h"
#include "core/Engine.h"
#include "ui/mainwindow/MainMenu.h"
#include "ui/mainwindow/WindowServices.h"
#include "ui/widgets/Controls.h"

using namespace korvanel;

namespace {

const QColor DesignColour(166, 202, 240); // sky blue
const QColor OpenColour(200, 200, 255);
constexpr int MarkerSize = 20;

// The field: a grid in the active-caption colour over a see-through ground,
// so the marker placed behind it shows between the lines.
class PadField : public QWidget {
public:
    explicit PadField(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("ShapeXY"));
        setFixedSize(PadSize, PadSize);
        setMouseTracking(true);
        setCursor(Qt::CrossCursor);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor lines = palette().color(QPalette::Active, QPalette::Highlight);
        painter.fillRect(rect(), QBrush(lines, Qt::CrossPattern));
        painter.setPen(lines);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

class Marker : public QWidget {
public:
    explicit Marker(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("ShapeCentr"));
        setFixedSize(MarkerSize, MarkerSize);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::yellow);
        painter.drawEllipse(rect().adjusted(0, 0, -1, -1));
    }
};

void paintWindow(QWidget &window, const QColor &colour)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, colour);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

} // namespace

THandScanForm::THandScanForm(WindowServices &window, const MainMenu &menu)
    : QWidget(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint), m_window(window)
{
    setObjectName(QStringLiteral("HandScanForm"));
    setWindowTitle(tr("Поле для ручного управления лучем сканера"));
    setAttribute(Qt::WA_QuitOnClose, false);
    paintWindow(*this, DesignColour);

    m_group = new QGroupBox(tr("Ручное управление лучем сканера "), this);
    m_group->setObjectName(QStringLiteral("GroupBoxXY"));
    m_group->setToolTip(tr("Положение курсора на поле воздействует на два канала, начиная с первой отметки в "
                           "столбце =Выбор = "));
    m_invertX = makeCheckBox(m_group, "CheckBoxX", QStringLiteral("X=255"), tr("Инверсия по X"), false);
    m_invertY = makeCheckBox(m_group, "CheckBoxY", QStringLiteral("Y=255"), tr("Инверсия по Y"), false);
    m_swap =
        makeCheckBox(m_group, "CheckBoxX_Y", QStringLiteral("X<->Y"), tr("Меняет местами координаты  X <> Y "), false);
    m_priority = makeCheckBox(m_group, "CheckBoxManualArea", tr("Приоритет"), tr("Управлять в любом режиме"), false);
    m_marker = new Marker(m_group);
    m_pad = new PadField(m_group);
    // Behind the field, seen through its grid.
    m_marker->stackUnder(m_pad);
    m_pad->installEventFilter(this);

    auto *grid = new QGridLayout(m_group);
    grid->setContentsMargins(16, 4, 16, 4);
    grid->setSpacing(4);
    grid->addWidget(m_invertX, 0, 0, Qt::AlignLeft);
    grid->addWidget(m_swap, 0, 1, Qt::AlignHCenter);
    grid->addWidget(m_invertY, 0, 2, Qt::AlignRight);
    grid->addWidget(m_pad, 1, 0, 1, 3, Qt::AlignCenter);
    grid->addWidget(m_priority, 2, 0, 1, 3, Qt::AlignLeft);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(m_group);
    setFixedSize(sizeHint());

    connect(m_priority, &QCheckBox::toggled, this, &THandScanForm::CheckBoxManualAreaClick);
    // Every pad, the phones' too, follows this window's inversions and swap.
    for (QCheckBox *option : {m_invertX, m_invertY, m_swap}) {
        connect(option, &QCheckBox::toggled, this, [this, &window] {
            window.control().setPadOptions({m_invertX->isChecked(), m_invertY->isChecked(), m_swap->isChecked()});
        });
    }
    connect(menu.items().AreaItem, &QAction::triggered, this, &THandScanForm::AreaItemClick);
    window.onClosing(this, [this] { close(); });
    store(window.engine().live.HandScanActive, 0);
    PadX = PadY = PadSize / 2;
}

void THandScanForm::AreaItemClick()
{
    paintWindow(*this, OpenColour);
    PadPressed = false;
    m_group->show();
    show();
    placeMarker();
    raise();
    activateWindow();
}

bool THandScanForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pad) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
            ShapeXYMouseDown(at.x(), at.y());
            return true;
        }
        case QEvent::MouseMove: {
            const QPoint at = static_cast<QMouseEvent *>(event)->position().toPoint();
            ShapeXYMouseMove(at.x(), at.y());
            return true;
        }
        case QEvent::MouseButtonRelease:
            ShapeXYMouseUp();
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void THandScanForm::ShapeXYMouseDown(int x, int y)
{
    PadPressed = true;
    PadX = static_cast<std::uint8_t>(std::clamp(x, 0, PadSize - 1));
    PadY = static_cast<std::uint8_t>(std::clamp(y, 0, PadSize - 1));
    calcMouse();
}

void THandScanForm::ShapeXYMouseMove(int x, int y)
{
    // With the button held the mouse may leave the field: the level stops at its edge.
    PadX = static_cast<std::uint8_t>(std::clamp(x, 0, PadSize - 1));
    PadY = static_cast<std::uint8_t>(std::clamp(y, 0, PadSize - 1));
    calcMouse();
}

void THandScanForm::ShapeXYMouseUp() { PadPressed = false; }

void THandScanForm::placeMarker()
{
    // The marker's centre sits one pixel right of and below the cursor.
    m_marker->move(m_pad->x() + PadX + MarkerSize / 2 - 19, m_pad->y() + PadY + MarkerSize / 2 - 19);
}

void THandScanForm::calcMouse()
{
    const PadLevels levels = padLevels(PadX, PadY, m_invertX->isChecked(), m_invertY->isChecked(), m_swap->isChecked());
    m_invertX->setText(QStringLiteral("X=") + QString::number(levels.x));
    m_invertY->setText(QStringLiteral("Y=") + QString::number(levels.y));
    // Without a button held only the captions follow the mouse.
    if (!PadPressed)
        return;
    placeMarker();
    m_window.control().apply({WindowSource, command::Pad{PadX, PadY}});
}

void THandScanForm::CheckBoxManualAreaClick(bool checked)
{
    m_window.control().apply({WindowSource, command::PadPriority{checked}});
}

void THandScanForm::FormActivate()
{
    m_window.control().apply({WindowSource, command::PadPriority{false}});
    m_priority->setChecked(false);
    m_group->show();
}

void THandScanForm::FormDeactivate()
{
    // Priority holds only while the pad is the active window.
    m_window.control().apply({WindowSource, command::PadPriority{false}});
    m_priority->setChecked(false);
}

void THandScanForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            FormActivate();
        else
            FormDeactivate();
    }
    QWidget::changeEvent(event);
}
