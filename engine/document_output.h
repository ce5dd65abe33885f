#pragma once

// The documents of runs as .docx files in one folder: the window puts them into the user's
// Documents, the command line into --out. What becomes of each is told right away.

#include "output/document_folder.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

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

    // A new document; once it is complete it is saved under a free name of `name`. A
    // failure is told at once, a saved file only when its set is finished.
    std::unique_ptr<WordProcessor> newDocument(const DocumentName& name);

    // The set's saved files are announced when it is complete; otherwise they are removed.
    void finishSet(bool complete);

private:
    void report(const IoResult& outcome);

    DocumentFolder folder_;
    Notifier& notifier_;
    SavedCallback saved_;
    std::vector<std::filesystem::path> pending_;
    std::shared_ptr<int> setAttempt_ = std::make_shared<int>(1); // the stem number of this set
};

// The notice for a document that could not be saved: the file and the reason.
std::string unsavedDocumentMessage(const IoResult& outcome);

} // namespace quill
