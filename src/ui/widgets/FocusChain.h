#pragma once
// Where the keyboard focus goes: the text fields that keep the keys they type,
// the order Tab walks, and the way out of a field.

#include <map>
#include <vector>

class QWidget;

namespace korvanel {

// A control the operator types into: channel names, number boxes, any other text input.
bool isTextField(const QWidget &widget);
// The widget is a text field or part of one (a number box's editor or arrows).
bool withinTextField(const QWidget &widget);

// Ends typing in a field: the keyboard goes to the field's window, where the
// live keys work again; Tab goes on from the field left (KeyboardFocus).
void leaveField(QWidget &field);

// The controls Tab reaches inside root, container by container as they nest,
// each container's children in the order they were made; a page control's tabs
// come before its pages. A container in `ordered` gives its controls in the
// order listed there instead.
using FocusBlocks = std::map<const QWidget *, std::vector<QWidget *>>;
std::vector<QWidget *> focusOrder(QWidget &root, const FocusBlocks &ordered = {});

// Tab then goes from each control to the next of order.
void chainFocus(const std::vector<QWidget *> &order);

} // namespace korvanel
