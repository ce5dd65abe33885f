#pragma once

// Several sheets in one document, each from a new page: a class's sheets, one per pupil.
// Every writer starts its sheet with addDocument() and hands it over with activate(), as for
// a document of its own; here only the first sheet starts the document, each later one a
// new page, and the document is handed over once, by finish().

#include "output/forwarding_word_processor.h"

namespace quill
{

class SheetSequence : public ForwardingWordProcessor
{
public:
    explicit SheetSequence(WordProcessor& document) : ForwardingWordProcessor(document) {}

    // Hands the whole document over; false when that failed or no sheet was written.
    bool finish();

    void addDocument() override;
    // The sheet is complete; the document waits for the next one.
    bool activate() override;

private:
    bool started_ = false;
};

} // namespace quill
