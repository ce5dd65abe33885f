#include "output/writer_arguments.h"

#include "problems/workspace.h"

namespace quill
{

namespace
{

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

WriterArguments writerArguments(const Workspace& work, bool answerDocument)
{
    const ExerciseSettings& s = work.settings;
    return WriterArguments{trimmed(work.run.questionList),
                           s.rowHeight.text,
                           s.columns.text,
                           s.fontSize.text,
                           s.font.selectedText(),
                           s.itemCount.text,
                           s.borders.checked ? "1" : "0",
                           answerDocument ? "1" : "0"};
}

} // namespace quill
