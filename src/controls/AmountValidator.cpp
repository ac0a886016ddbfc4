#include "AmountValidator.h"

#include <QRegularExpression>

namespace {

// ASCII digits only: other scripts' digits would pass \d but no number conversion.
const QRegularExpression kBeginning(QStringLiteral(R"(\A-?[0-9]{0,8}(\.[0-9]{0,2})?\z)"));
const QRegularExpression kComplete(QStringLiteral(R"(\A-?[0-9]{1,8}(\.[0-9]{1,2})?\z)"));

}  // namespace

AmountValidator::AmountValidator(Sign sign, QObject* parent) : QValidator(parent), sign_(sign) {}

QValidator::State AmountValidator::validate(QString& input, int&) const {
    if (sign_ == Sign::PositiveOnly && input.startsWith(QLatin1Char('-'))) return Invalid;
    if (kComplete.match(input).hasMatch()) return Acceptable;
    if (kBeginning.match(input).hasMatch()) return Intermediate;
    return Invalid;
}
