#pragma once

#include <string>

namespace quill
{

struct Workspace;

// The eight texts every worksheet writer is called with, in their order.
struct WriterArguments {
    std::string list;      // the QuestionList, trimmed: items separated by single spaces
    std::string rowHeight; // points
    std::string columns;
    std::string fontSize; // points
    std::string fontName;
    std::string itemCount;  // handed on, not used
    std::string borderFlag; // "1" draws the grid
    std::string answerFlag; // "1" makes the answer document

    bool answers() const { return answerFlag == "1"; }
    bool borders() const { return borderFlag == "1"; }
};

// The arguments as the run passes them: the run's list and the layout boxes of the
// window, for the question document or the answer document.
WriterArguments writerArguments(const Workspace& work, bool answerDocument);

} // namespace quill
