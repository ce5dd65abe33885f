#pragma once

#include "base/io_result.h"

#include <filesystem>
#include <string>

namespace quill
{

// How a worksheet file is called: its kind, the moment of the run ("20261209-104501",
// shared by the question and the answer sheet of one run) and whether it holds answers.
struct DocumentName {
    std::string kind;
    std::string stamp;
    bool answers = false;
    std::string title{}; // the sheet's title, for the document's properties

    // "竖式计算-20261209-104501.docx", "竖式计算-20261209-104501(答案).docx"; from the
    // second attempt on "-2", "-3", … before the extension.
    std::string fileName(int attempt = 1) const;
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

    // The first name of `name`, from `attempt` on, that no file has yet; `attempt` is
    // left at the number used. With `pairFree` the name of the other sheet of the set (the
    // answer sheet of a question sheet) must be free as well, so the two can share a stem.
    std::filesystem::path freePath(const DocumentName& name, int& attempt,
                                   bool pairFree = false) const;

private:
    std::filesystem::path path_;
};

} // namespace quill
