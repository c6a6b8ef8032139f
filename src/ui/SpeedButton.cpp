#include "ui/SpeedButton.h"

namespace korvanel {

QToolButton *makeSpeedButton(QWidget *parent, const SpeedButtonSpec &spec)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setFocusPolicy(Qt::NoFocus);
    button->setCheckable(spec.checkable);
    button->setToolTip(spec.hint);
    if (spec.icon != QStyle::SP_CustomBase)
        button->setIcon(button->style()->standardIcon(spec.icon, nullptr, button));
    if (!spec.caption.isEmpty()) {
        button->setText(spec.caption);
        button->setToolButtonStyle(spec.icon != QStyle::SP_CustomBase ? Qt::ToolButtonTextBesideIcon
                                                                     : Qt::ToolButtonTextOnly);
    }
    return button;
}

} // namespace korvanel
