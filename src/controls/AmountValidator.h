#pragma once
#include <QValidator>

// An amount as the operator types it: digits, at most 8 before the point and 2 after it,
// with one leading minus where a negative amount is allowed. Beginnings of such a number
// ("", "-", "12.") may stand while typing; anything else never gets into the box.
class AmountValidator : public QValidator {
  public:
    enum class Sign { PositiveOnly, MayBeNegative };

    AmountValidator(Sign sign, QObject* parent);

    State validate(QString& input, int& pos) const override;

  private:
    Sign sign_;
};
