#include "output/sheet_sequence.h"

namespace quill
{

bool SheetSequence::finish()
{
    return started_ && target().activate();
}

void SheetSequence::addDocument()
{
    if (started_) {
        target().startNewPage();
        return;
    }
    target().addDocument();
    started_ = true;
}

bool SheetSequence::activate()
{
    return started_;
}

} // namespace quill
