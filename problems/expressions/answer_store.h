#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

// Per-item answers of the last list worked out, indexed by item number. Every number is
// held as its shortest decimal text; an empty slot reads as 0.
struct AnswerStore {
    static constexpr int tableSize = 10000;

    std::vector<std::string> ItemTexts;
    int ItemCount = -1; // highest index of ItemTexts (number of items minus one)
    std::vector<std::string> RoundedAnswers = std::vector<std::string>(tableSize);
    std::vector<std::string> ExactAnswers = std::vector<std::string>(tableSize);
    std::vector<std::string> Remainders = std::vector<std::string>(tableSize);
    std::vector<std::string> StepAnswers = std::vector<std::string>(tableSize);
    std::vector<std::string> fullExpressionTexts;
    std::string expressionListText;

    // Divisions of `replacedList` redrawn for column working, by item number: the question
    // sheet and the answer sheet of one set must show the same replacement.
    std::string replacedList;
    std::map<int, std::string> verticalReplacements;

    // Empty RoundedAnswers, ExactAnswers and Remainders, and StepAnswers when asked.
    void clearAnswers(bool withStepAnswers);

    // Split a list at every single space into ItemTexts and set ItemCount; an empty list
    // has no items. The answer tables grow beyond `tableSize` rather than let a longer list
    // write past their end.
    void splitItems(std::string_view listText);
};

// A list split at every single space: "a  b" gives "a", "" and "b"; "" gives nothing.
std::vector<std::string> splitAtSpaces(std::string_view listText);

} // namespace quill
