#include "problems/expressions/answer_store.h"

namespace quill
{

namespace
{

void clearSlots(std::vector<std::string>& table)
{
    // clear() keeps each slot's buffer, so refilling the store does not allocate again.
    for (std::string& slot : table)
        slot.clear();
}

void ensureSlots(std::vector<std::string>& table, size_t count)
{
    if (table.size() < count)
        table.resize(count);
}

} // namespace

std::vector<std::string> splitAtSpaces(std::string_view listText)
{
    std::vector<std::string> items;
    if (listText.empty())
        return items;
    size_t start = 0;
    while (true) {
        const size_t space = listText.find(' ', start);
        items.emplace_back(listText.substr(start, space - start));
        if (space == std::string_view::npos)
            return items;
        start = space + 1;
    }
}

void AnswerStore::clearAnswers(bool withStepAnswers)
{
    clearSlots(roundedAnswers);
    clearSlots(exactAnswers);
    clearSlots(remainders);
    clearSlots(wholeQuotients);
    if (withStepAnswers)
        clearSlots(stepAnswers);
}

void AnswerStore::splitItems(std::string_view listText)
{
    itemTexts = splitAtSpaces(listText);
    lastItemIndex = static_cast<int>(itemTexts.size()) - 1;
    sizeTablesToItems();
}

void AnswerStore::sizeTablesToItems()
{
    for (auto* table : {&roundedAnswers, &exactAnswers, &remainders, &wholeQuotients, &stepAnswers})
        ensureSlots(*table, itemTexts.size());
}

} // namespace quill
