#include "ui/widgets/FocusChain.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>

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

namespace {

// A widget with a focus proxy is reached through the proxy's owner (a number box's editor, a page control).
bool takesTab(const QWidget &widget)
{
    return (widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus && widget.focusProxy() == nullptr;
}

void collect(QWidget &widget, const FocusBlocks &ordered, std::vector<QWidget *> &order)
{
    if (const auto block = ordered.find(&widget); block != ordered.end()) {
        order.insert(order.end(), block->second.begin(), block->second.end());
        return;
    }
    if (takesTab(widget))
        order.push_back(&widget);
    if (auto *pages = qobject_cast<QTabWidget *>(&widget)) {
        collect(*pages->tabBar(), ordered, order);
        for (int i = 0; i < pages->count(); ++i)
            collect(*pages->widget(i), ordered, order);
        return;
    }
    for (QObject *child : widget.children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control != nullptr && !control->isWindow())
            collect(*control, ordered, order);
    }
}

} // namespace

std::vector<QWidget *> focusOrder(QWidget &root, const FocusBlocks &ordered)
{
    std::vector<QWidget *> order;
    for (QObject *child : root.children()) {
        auto *control = qobject_cast<QWidget *>(child);
        if (control != nullptr && !control->isWindow())
            collect(*control, ordered, order);
    }
    return order;
}

void chainFocus(const std::vector<QWidget *> &order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace korvanel
