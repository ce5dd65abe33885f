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

IoResult DocumentFolder::prepare() const
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::is_directory(path_, error))
        return ioDone(path_);
    // A link to nowhere would otherwise be reported as an existing file.
    if (fs::is_symlink(fs::symlink_status(path_, error)) && !fs::exists(path_, error))
        return ioFailure(path_, "符号链接指向的位置不存在");
    fs::create_directories(path_, error);
    if (!error && fs::is_directory(path_, error))
        return ioDone(path_);
    return error ? ioSystemFailure(path_, error.value()) : ioFailure(path_, "不是文件夹");
}

std::filesystem::path DocumentFolder::freePath(const DocumentName& name, int& attempt,
                                               bool pairFree) const
{
    DocumentName partner = name;
    partner.answers = !name.answers;
    auto taken = [&](int k) {
        std::error_code error;
        return std::filesystem::exists(path_ / name.fileName(k), error) ||
               (pairFree && std::filesystem::exists(path_ / partner.fileName(k), error));
    };
    attempt = std::max(attempt, 1);
    while (attempt < maximumAttempt && taken(attempt))
        ++attempt;
    return path_ / name.fileName(attempt);
}

} // namespace quill
