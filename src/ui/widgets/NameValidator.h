#pragma once
// Keeps a name field from taking a character that the name code page cannot hold.

#include <QValidator>

namespace korvanel {

class NameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

} // namespace korvanel
