#include "window/number_entry.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace quill
{

namespace
{

constexpr char32_t backspace = 8;

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Keys that type a character. Control characters (Tab, Enter, Delete, Ctrl+C/V/X/Z, …)
// keep their editing meaning; what a paste brings in is left to the validator.
bool typesCharacter(const QKeyEvent& key)
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key.text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

NumberEntry::NumberEntry(QLineEdit* box, KeyDecision decideKey,
                         std::function<void()> nonDigitsDropped)
    : QObject(box), decideKey_(std::move(decideKey))
{
    box->installEventFilter(this);
    box->setValidator(new DigitsValidator(std::move(nonDigitsDropped), box));
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->setInputMethodHints(Qt::ImhDigitsOnly);
}

bool NumberEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace)
        return !decideKey_(backspace);
    if (!typesCharacter(*key))
        return false;
    for (const char32_t code : key->text().toUcs4())
        if (!decideKey_(code))
            return true; // swallowed: the box never sees it
    return false;
}

DigitsValidator::DigitsValidator(std::function<void()> nonDigitsDropped, QObject* parent)
    : QValidator(parent), nonDigitsDropped_(std::move(nonDigitsDropped))
{
}

QValidator::State DigitsValidator::validate(QString& input, int& position) const
{
    QString digits;
    int newPosition = position;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (isAsciiDigit(input.at(i)))
            digits.append(input.at(i));
        else if (i < position)
            --newPosition;
    }
    if (digits.size() != input.size()) {
        input = digits;
        position = newPosition;
        if (nonDigitsDropped_)
            nonDigitsDropped_();
    }
    return Acceptable;
}

} // namespace quill
