#include "engine/document_output.h"

#include "output/docx_word_processor.h"
#include "settings/notifier.h"

namespace quill
{

DocumentOutput::DocumentOutput(std::filesystem::path folder, Notifier& notifier,
                               SavedCallback saved)
    : folder_(std::move(folder)), notifier_(notifier), saved_(std::move(saved))
{
}

std::unique_ptr<WordProcessor> DocumentOutput::newDocument(const DocumentName& name)
{
    return std::make_unique<DocxWordProcessor>(
        folder_, name, [this](const SavedDocument& outcome) { report(outcome); });
}

void DocumentOutput::report(const SavedDocument& outcome)
{
    if (!outcome.saved)
        notifier_.notify(unsavedDocumentMessage(outcome));
    else if (saved_)
        saved_(outcome.path);
}

std::string unsavedDocumentMessage(const SavedDocument& outcome)
{
    return "文档“" + outcome.path.string() + "”无法保存：" + outcome.reason;
}

} // namespace quill
