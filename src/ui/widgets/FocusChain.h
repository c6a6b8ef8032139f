#pragma once
// Where the keyboard focus goes: the text fields that keep the keys they type,
// and the way out of a field.

class QWidget;

namespace korvanel {

// A control the operator types into: channel names, number boxes, any other text input.
bool isTextField(const QWidget &widget);
// The widget is a text field or part of one (a number box's editor or arrows).
bool withinTextField(const QWidget &widget);

// Ends typing in a field: the keyboard goes to the field's window, where the
// live keys work again and Tab starts over from the first control.
void leaveField(QWidget &field);

} // namespace korvanel
