#include "engine/document_output.h"

#include "base/io_result.h"
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
        folder_, name, [this](const IoResult& outcome) { report(outcome); }, setAttempt_);
}

void DocumentOutput::report(const IoResult& outcome)
{
    if (!outcome)
        notifier_.notify(unsavedDocumentMessage(outcome));
    else
        pending_.push_back(outcome.path);
}

void DocumentOutput::finishSet(bool complete)
{
    *setAttempt_ = 1;
    std::vector<std::filesystem::path> written;
    written.swap(pending_);
    for (const std::filesystem::path& file : written) {
        if (complete) {
            if (saved_)
                saved_(file);
            continue;
        }
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        notifier_.notify("答案文档没能写出，已删除题目文档" + quotedPath(file) + "。");
    }
}

std::string unsavedDocumentMessage(const IoResult& outcome)
{
    return "文档" + quotedPath(outcome.path) + "无法保存：" + outcome.reason;
}

} // namespace quill
