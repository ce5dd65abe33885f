#pragma once

// The documents of runs as .docx files in one folder: the window puts them into the user's
// Documents, the command line into --out. What becomes of each is told right away.

#include "output/document_folder.h"

#include <filesystem>
#include <functional>
#include <memory>

namespace quill
{

class Notifier;
class WordProcessor;
struct IoResult;

class DocumentOutput
{
public:
    using SavedCallback = std::function<void(const std::filesystem::path&)>;

    DocumentOutput(std::filesystem::path folder, Notifier& notifier, SavedCallback saved);

    // A new document; once it is complete it is saved under a free name of `name`.
    std::unique_ptr<WordProcessor> newDocument(const DocumentName& name);

private:
    void report(const IoResult& outcome);

    DocumentFolder folder_;
    Notifier& notifier_;
    SavedCallback saved_;
};

// The notice for a document that could not be saved: the file and the reason.
std::string unsavedDocumentMessage(const IoResult& outcome);

} // namespace quill
