#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quill
{

// Per-item answers of the last list worked out, indexed by item number. Every number is
// held as its shortest decimal text; an empty slot reads as 0. The tables have a slot per item
// of the longest list split so far: sized for the largest set up front, they would cost a
// short command-line run a few hundred fresh pages, most of its time.
struct AnswerStore {
    std::vector<std::string> itemTexts;
    int lastItemIndex = -1; // highest index of itemTexts (number of items minus one)
    std::vector<std::string> roundedAnswers;
    std::vector<std::string> exactAnswers;
    std::vector<std::string> remainders;
    // The whole quotient that goes with the remainder of a two-number division.
    std::vector<std::string> wholeQuotients;
    std::vector<std::string> stepAnswers;
    std::vector<std::string> fullExpressionTexts;
    std::string expressionListText;

    // Divisions of `replacedList` redrawn for column working, by item number: the question
    // sheet and the answer sheet of one set must show the same replacement.
    std::string replacedList;
    std::map<int, std::string> verticalReplacements;

    // Empty roundedAnswers, exactAnswers and remainders, and stepAnswers when asked.
    void clearAnswers(bool withStepAnswers);

    // Split a list at every single space into itemTexts and set lastItemIndex; an empty list
    // has no items. The answer tables grow to the list's length; they never shrink, so values
    // a builder stored stay for the writer that splits the same list again.
    void splitItems(std::string_view listText);

    // Give every answer table a slot for each of itemTexts, for lists a builder split.
    void sizeTablesToItems();
};

// A list split at every single space: "a  b" gives "a", "" and "b"; "" gives nothing.
std::vector<std::string> splitAtSpaces(std::string_view listText);

} // namespace quill
