#pragma once

#include <string>
#include <vector>

namespace quill {

// Per-item answers of the last list worked out, indexed by item number. Every number is
// held as its shortest decimal text; an empty slot reads as 0.
struct AnswerStore {
    static constexpr int slots = 10000;

    std::vector<std::string> ItemTexts;
    int ItemCount = -1; // highest index of ItemTexts (number of items minus one)
    std::vector<std::string> RoundedAnswers = std::vector<std::string>(slots);
    std::vector<std::string> ExactAnswers = std::vector<std::string>(slots);
    std::vector<std::string> Remainders = std::vector<std::string>(slots);
    std::vector<std::string> StepAnswers = std::vector<std::string>(slots);
    std::vector<std::string> fullExpressionTexts;
    std::string expressionListText;
};

} // namespace quill
