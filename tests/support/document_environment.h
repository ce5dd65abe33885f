#pragma once

#include "output/document_folder.h"
#include "support/recording_environment.h"
#include "support/recording_word_processor.h"

#include <memory>
#include <vector>

namespace quill::testing
{

// A run environment whose documents are recorded instead of saved: each completed document
// is kept with its name, so tests can read what the writers typed.
class DocumentEnvironment : public RecordingEnvironment
{
public:
    struct Document {
        DocumentName name;
        RecordingWordProcessor content;
    };

    std::vector<Document> documents;
    std::optional<std::filesystem::path> history;

    std::unique_ptr<WordProcessor> newDocument(const DocumentName& name) override
    {
        return std::make_unique<Keeper>(*this, name);
    }

    std::optional<std::filesystem::path> historyFile() const override { return history; }

private:
    class Keeper : public RecordingWordProcessor
    {
    public:
        Keeper(DocumentEnvironment& env, DocumentName name) : env_(env), name_(std::move(name)) {}

        bool activate() override
        {
            const bool result = RecordingWordProcessor::activate();
            env_.documents.push_back({name_, *this});
            return result;
        }

    private:
        DocumentEnvironment& env_;
        DocumentName name_;
    };
};

} // namespace quill::testing
