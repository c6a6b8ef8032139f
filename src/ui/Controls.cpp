#include "ui/Controls.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

namespace korvanel {

QToolButton *makeSpeedButton(QWidget *parent, const SpeedButtonSpec &spec)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setCheckable(spec.checkable);
    button->setToolTip(spec.hint);
    const bool hasIcon = spec.icon != QStyle::SP_CustomBase;
    if (hasIcon)
        button->setIcon(button->style()->standardIcon(spec.icon, nullptr, button));
    if (!spec.caption.isEmpty()) {
        button->setText(spec.caption);
        button->setToolButtonStyle(hasIcon ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextOnly);
    }
    return button;
}

QScrollBar *makeScrollBar(QWidget *parent, const ScrollBarSpec &spec)
{
    auto *bar = new QScrollBar(spec.orientation, parent);
    bar->setObjectName(QString::fromLatin1(spec.name));
    bar->setRange(spec.minimum, spec.maximum);
    bar->setPageStep(spec.pageStep);
    bar->setValue(spec.value);
    bar->setToolTip(spec.hint);
    return bar;
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QString &hint)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setToolTip(hint);
    return label;
}

QCheckBox *makeCheckBox(QWidget *parent, const char *name, const QString &caption, const QString &hint,
                        bool checked)
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
    SnapshotPair pair{makeSpeedButton(parent, {mem.constData(), memHint, QStyle::SP_DriveHDIcon}),
                      makeSpeedButton(parent, {undo.constData(), undoHint, QStyle::SP_BrowserReload})};
    pair.undo->setEnabled(false);
    return pair;
}

} // namespace korvanel
