#include "ui/widgets/NameValidator.h"

#include "ui/widgets/NameCodec.h"

namespace korvanel {

QValidator::State NameValidator::validate(QString &input, int &) const
{
    return NameCodec::instance().canEncode(input) ? Acceptable : Invalid;
}

} // namespace korvanel
