#include "output/document_folder.h"

#include <system_error>

namespace quill
{

namespace
{

constexpr int maximumAttempt = 9999;

// A kind is a caption of the window; keep whatever it holds from leaving the folder.
std::string fileNamePart(std::string text)
{
    for (char& c : text)
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    return text;
}

} // namespace

std::string DocumentName::fileName(int attempt) const
{
    std::string name = fileNamePart(kind) + "-" + fileNamePart(stamp);
    if (answers)
        name += "(答案)";
    if (attempt > 1)
        name += "-" + std::to_string(attempt);
    return name + ".docx";
}

bool DocumentFolder::prepare(std::string& reason) const
{
    std::error_code error;
    if (std::filesystem::is_directory(path_, error))
        return true;
    std::filesystem::create_directories(path_, error);
    if (!error && std::filesystem::is_directory(path_, error))
        return true;
    reason = error ? error.message() : "不是文件夹";
    return false;
}

std::filesystem::path DocumentFolder::freePath(const DocumentName& name, int& attempt) const
{
    attempt = std::max(attempt, 1);
    std::filesystem::path candidate = path_ / name.fileName(attempt);
    std::error_code error;
    while (attempt < maximumAttempt && std::filesystem::exists(candidate, error)) {
        ++attempt;
        candidate = path_ / name.fileName(attempt);
    }
    return candidate;
}

} // namespace quill
