#pragma once

// 避免简单题: items a class learns nothing from and a teacher would strike off a sheet. An
// operation is trivial when a factor, dividend or divisor is 0 or 1 (8×1, 1×8, 8÷1, 0÷8), a
// number is divided by itself or taken from itself (8÷8, 8－8), an addend or subtrahend is 0
// (8＋0) or it comes to 0; an item is trivial when any of its operations is, or when its sheet
// shows its answer as 0 though it is not (1÷36＝0……1, 0.1÷25.3≈0.00). Generators draw as
// before; the run and the builders draw such items again, and take them only when the
// settings leave hardly anything else.

#include "base/exact_decimal.h"
#include "problems/exercise_set.h"
#include "problems/expressions/shown_answer.h"
#include "problems/fractions/rational.h"
#include "problems/whole/operation_item.h"
#include "settings/exercise_settings.h"

namespace quill
{

bool avoidsTrivialItems(const ExerciseSettings& settings);

// One operation as worked: left (operation) right comes to result. A result that is no
// number (a quotient that never ends) is not 0.
bool isTrivialStep(Operation operation, const ExactDecimal& left, const ExactDecimal& right,
                   const ExactDecimal& result);
bool isTrivialStep(Operation operation, Rational left, Rational right, Rational result);

// An answer shown as 0, ≈0.00 or 0……r.
bool showsAsZero(const ShownAnswer& shown);

// The item as the sheets of `kind` show it under these settings (保留, remainders). The
// on-screen set is drawn as 口算 whatever kind is chosen.
bool isTrivialItem(const SetItem& item, const ExerciseSettings& settings, ExerciseKind kind);

// Whether the operation appended to a fraction item is trivial (the item itself aside).
bool isTrivialFractionStep(const FractionExpression& expression);

// Trivial draws in a row a draw refuses before it gives way: enough that only settings with
// hardly any other item get there, few enough that those settings still finish at once.
inline constexpr int trivialDrawsRefused = 1000;

// The refusals of one draw: while the settings ask for it, a trivial draw is refused until
// `trivialDrawsRefused` of them came in a row; from then on the draw takes what it gets.
class TrivialRefusals
{
public:
    explicit TrivialRefusals(const ExerciseSettings& settings) : settings_(settings) {}

    // True when the draw must be made again. `isTrivial` is asked only while refusing, so a
    // draw that keeps trivial items does no work for this rule. The box is read live, as
    // generators read every setting.
    template <typename Test> bool refuses(Test isTrivial)
    {
        if (!avoidsTrivialItems(settings_) || gaveWay_ || !isTrivial())
            return false;
        if (++inARow_ <= trivialDrawsRefused)
            return true;
        gaveWay_ = true;
        return false;
    }

    // An item was kept: the count starts again.
    void kept() { inARow_ = 0; }

    // The settings allow no other new item: trivial ones are taken from now on. False when
    // they already were, or were never refused.
    bool giveWay()
    {
        if (!avoidsTrivialItems(settings_) || gaveWay_)
            return false;
        gaveWay_ = true;
        return true;
    }

private:
    const ExerciseSettings& settings_;
    bool gaveWay_ = false;
    int inARow_ = 0;
};

} // namespace quill
