#include "ui/mainwindow/KeyboardFocus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSpinBox>

#include "ui/mainwindow/WindowServices.h"
#include "ui/widgets/FocusChain.h"

namespace korvanel {

KeyboardFocus::KeyboardFocus(WindowServices &window) : QObject(&window.mainWindow()), m_mainWindow(window.mainWindow())
{
    setObjectName(QStringLiteral("KeyboardFocus"));
    qApp->installEventFilter(this);
}

bool KeyboardFocus::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn) {
        if (auto *field = qobject_cast<QWidget *>(watched);
            field && field->window() == &m_mainWindow && isTextField(*field))
            m_lastField = field;
        return QObject::eventFilter(watched, event);
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *widget = qobject_cast<QWidget *>(watched);
    QWidget *focus = m_mainWindow.focusWidget();
    if (widget == nullptr || focus == nullptr || widget->window() != &m_mainWindow)
        return QObject::eventFilter(watched, event);
    if (type == QEvent::KeyPress)
        return widget == focus && keyPress(*focus, *static_cast<QKeyEvent *>(event));
    // A click that gives no control the focus (a button, a label, the page)
    // would leave the keys with the field. Qt has moved the focus already
    // where the click gives it.
    if (isTextField(*focus) && !withinTextField(*widget))
        leaveField(*focus);
    return QObject::eventFilter(watched, event);
}

bool KeyboardFocus::keyPress(QWidget &focus, const QKeyEvent &event)
{
    if (&focus == &m_mainWindow && (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab))
        return tabFromLastField(event.key() == Qt::Key_Tab && !(event.modifiers() & Qt::ShiftModifier));
    const bool enter = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (isTextField(focus)) {
        if (event.key() == Qt::Key_Escape) {
            // A number box has its editor focused; setValue rewrites the editor's text from the value.
            auto *box = qobject_cast<QSpinBox *>(&focus);
            if (box == nullptr)
                box = qobject_cast<QSpinBox *>(focus.parentWidget());
            if (box == nullptr)
                return false; // a name field restores its name itself
            box->setValue(box->value());
        } else if (!enter) {
            return false;
        }
        // Leaving the field takes what it shows, as any other way out does.
        leaveField(focus);
        return true;
    }
    auto *button = qobject_cast<QAbstractButton *>(&focus);
    if (button == nullptr || !enter || event.isAutoRepeat())
        return false;
    button->click();
    return true;
}

bool KeyboardFocus::tabFromLastField(bool forward)
{
    if (!m_lastField || !m_lastField->isVisible())
        return false;
    for (QWidget *next = forward ? m_lastField->nextInFocusChain() : m_lastField->previousInFocusChain();
         next != nullptr && next != m_lastField;
         next = forward ? next->nextInFocusChain() : next->previousInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && next->focusProxy() == nullptr &&
            next->isVisible() && next->isEnabled() && next->window() == &m_mainWindow) {
            next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

} // namespace korvanel
