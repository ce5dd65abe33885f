#pragma once

#include "base/io_result.h"
#include "settings/exercise_settings.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quill
{

// The file formats a sheet is written in; every format of a sheet shares its stem.
enum class DocumentFormat { Docx, Pdf };

// The formats 格式 asks for.
std::vector<DocumentFormat> chosenFormats(const ExerciseSettings& settings);

// Why this build cannot write the formats 格式 asks for (PDF without cairo); none when it can.
std::optional<std::string> formatRefusal(const ExerciseSettings& settings);

// How a worksheet file is called: its kind, the moment of the run ("20261209-104501",
// shared by the question and the answer sheet of one run) and whether it holds answers.
struct DocumentName {
    std::string kind;
    std::string stamp;
    bool answers = false;
    std::string title{}; // the sheet's title, for the document's properties
    std::vector<DocumentFormat> formats{DocumentFormat::Docx}; // the files written of it

    // "竖式计算-20261209-104501.docx", "竖式计算-20261209-104501(答案).pdf"; from the
    // second attempt on "-2", "-3", … before the extension.
    std::string fileName(int attempt = 1, DocumentFormat format = DocumentFormat::Docx) const;
};

// The folder documents are written to. Files are never overwritten: each document gets
// the first of its names that is still free.
class DocumentFolder
{
public:
    explicit DocumentFolder(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    // Creates the folder when it is missing; says why when that fails or the path is not a
    // folder.
    IoResult prepare() const;

    // The first name of `name`, from `attempt` on, whose stem no file has yet in any
    // format; `attempt` is left at the number used. With `pairFree` the names of the other
    // sheet of the set (the answer sheet of a question sheet) must be free as well, so the
    // two can share a stem.
    std::filesystem::path freePath(const DocumentName& name, int& attempt,
                                   bool pairFree = false) const;

    // Where the file of `name` in `format` is, at `attempt`.
    std::filesystem::path filePath(const DocumentName& name, int attempt,
                                   DocumentFormat format) const;

private:
    std::filesystem::path path_;
};

} // namespace quill
