#pragma once

#include <QObject>
#include <QValidator>
#include <functional>

class QLineEdit;

namespace quill
{

// Keeps a number box to the digits 0..9. Each typed character is first offered to
// `decideKey` (Backspace as code 8), which may refuse it and tell the user why. Text that
// arrives any other way (pasted, dropped, from an input method) keeps its digits only, and
// `nonDigitsDropped` is told when something was left out.
class NumberEntry : public QObject
{
    Q_OBJECT

public:
    using KeyDecision = std::function<bool(char32_t key)>;

    NumberEntry(QLineEdit* box, KeyDecision decideKey, std::function<void()> nonDigitsDropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    KeyDecision decideKey_;
};

class DigitsValidator : public QValidator
{
    Q_OBJECT

public:
    DigitsValidator(std::function<void()> nonDigitsDropped, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    std::function<void()> nonDigitsDropped_;
};

} // namespace quill
