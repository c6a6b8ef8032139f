#include "ui/widgets/Controls.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <map>

#include "ui/widgets/LazyIcon.h"

namespace korvanel {

namespace {

// One icon of each kind for the whole window, kept by the style. The style reads
// each from image files, in several sizes, after a look in the icon theme: that
// waits until a button using it is first drawn (LazyIcon.h).
class StandardIcons : public QObject {
public:
    explicit StandardIcons(QStyle *style) : QObject(style) { setObjectName(QStringLiteral("StandardIcons")); }
    std::map<QStyle::StandardPixmap, QIcon> icons;
};

QIcon standardIcon(QStyle::StandardPixmap which, QWidget *widget)
{
    QStyle *style = widget->style();
    const QString name = QStringLiteral("StandardIcons");
    QObject *kept = style->findChild<QObject *>(name, Qt::FindDirectChildrenOnly); // name look-up: the style's cache
    auto *cache = dynamic_cast<StandardIcons *>(kept);
    if (cache == nullptr)
        cache = new StandardIcons(style);
    auto [icon, added] = cache->icons.try_emplace(which);
    if (added) {
        const QPointer<QStyle> from(style);
        icon->second =
            lazyIcon([from, which] { return (from ? from.data() : QApplication::style())->standardIcon(which); });
    }
    return icon->second;
}

// Qt's scroll bars turn the arrow keys round when they lie (their controls
// are inverted, for the wheel): here the thumb follows Left and Right, and Up
// and Page Up raise the value. Qt's style shows no focus on them, so the bar
// with the keyboard draws its own frame.
class ScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (orientation() == Qt::Horizontal && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            SliderAction action = SliderNoAction;
            switch (event->key()) {
            case Qt::Key_Right:
            case Qt::Key_Up:
                action = SliderSingleStepAdd;
                break;
            case Qt::Key_Left:
            case Qt::Key_Down:
                action = SliderSingleStepSub;
                break;
            case Qt::Key_PageUp:
                action = SliderPageStepAdd;
                break;
            case Qt::Key_PageDown:
                action = SliderPageStepSub;
                break;
            default:
                break;
            }
            if (action != SliderNoAction) {
                triggerAction(action);
                event->accept();
                return;
            }
        }
        QScrollBar::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent *event) override
    {
        QScrollBar::paintEvent(event);
        if (!hasFocus())
            return;
        QStylePainter painter(this);
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
};

} // namespace

QToolButton *makeSpeedButton(QWidget *parent, const SpeedButtonSettings &settings)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(settings.name));
    button->setFocusPolicy(Qt::TabFocus);
    button->setCheckable(settings.checkable);
    button->setToolTip(settings.hint);
    const bool hasIcon = settings.icon != QStyle::SP_CustomBase;
    if (hasIcon)
        button->setIcon(standardIcon(settings.icon, button));
    if (!settings.caption.isEmpty()) {
        button->setText(settings.caption);
        button->setToolButtonStyle(hasIcon ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextOnly);
    }
    return button;
}

QScrollBar *makeScrollBar(QWidget *parent, const ScrollBarSettings &settings)
{
    auto *bar = new ScrollBar(settings.orientation, parent);
    bar->setObjectName(QString::fromLatin1(settings.name));
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->setRange(settings.minimum, settings.maximum);
    bar->setPageStep(settings.pageStep);
    bar->setValue(settings.value);
    bar->setToolTip(settings.hint);
    return bar;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QString &hint)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setToolTip(hint);
    return label;
}

void setReadoutText(QLabel &label, const QString &text)
{
    label.setText(text);
    const QSize size = label.sizeHint();
    if (label.minimumSize() != size || label.maximumSize() != size)
        label.setFixedSize(size);
}

namespace {
constexpr char OutputNeutral[] = "korvanelOutputNeutral";
}

void markOutputNeutral(QObject &timer, bool neutral) { timer.setProperty(OutputNeutral, neutral); }

bool isOutputNeutral(const QObject &object) { return object.property(OutputNeutral).toBool(); }

QCheckBox *makeCheckBox(QWidget *parent, const char *name, const QString &caption, const QString &hint, bool checked)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setToolTip(hint);
    box->setChecked(checked);
    return box;
}

} // namespace korvanel

namespace korvanel {

SnapshotPair makeSnapshotPair(QWidget *parent, int n, const QString &memHint, const QString &undoHint)
{
    const QByteArray mem = "SpeedButtonMem" + QByteArray::number(n);
    const QByteArray undo = "SpeedButtonUndo" + QByteArray::number(n);
    const QByteArray redo = "SpeedButtonRedo" + QByteArray::number(n);
    SnapshotPair pair{
        makeSpeedButton(parent, {mem.constData(), memHint, QStyle::SP_DriveHDIcon}),
        makeSpeedButton(parent, {undo.constData(), undoHint, QStyle::SP_BrowserReload}),
        makeSpeedButton(parent,
                        {redo.constData(), QCoreApplication::translate("Controls", "Повторить отменённое"),
                         QStyle::SP_ArrowForward})};
    pair.undo->setEnabled(false);
    pair.redo->setEnabled(false);
    return pair;
}

void limitOnFinishedNumbers(std::initializer_list<QAbstractSpinBox *> boxes)
{
    for (QAbstractSpinBox *box : boxes)
        box->setKeyboardTracking(false);
}

void takeTypedNumbers(std::initializer_list<QAbstractSpinBox *> boxes)
{
    for (QAbstractSpinBox *box : boxes)
        box->interpretText();
}

QString programTitle() { return QStringLiteral("Korvanel WIN10"); }

} // namespace korvanel
