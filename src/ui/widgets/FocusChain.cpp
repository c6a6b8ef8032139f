#include "ui/widgets/FocusChain.h"

#include <QAbstractSpinBox>
#include <QLineEdit>

namespace korvanel {

bool isTextField(const QWidget &widget)
{
    return qobject_cast<const QLineEdit *>(&widget) != nullptr ||
        qobject_cast<const QAbstractSpinBox *>(&widget) != nullptr || widget.testAttribute(Qt::WA_InputMethodEnabled);
}

bool withinTextField(const QWidget &widget)
{
    for (const QWidget *w = &widget; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        if (isTextField(*w))
            return true;
    }
    return false;
}

void leaveField(QWidget &field) { field.window()->setFocus(Qt::OtherFocusReason); }

} // namespace korvanel
