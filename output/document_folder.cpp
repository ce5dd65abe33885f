#include "output/document_folder.h"

#include "base/utf8.h"
#include "output/pdf_drawing.h"

#include <algorithm>
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

std::vector<DocumentFormat> chosenFormats(const ExerciseSettings& settings)
{
    switch (static_cast<DocumentFormatChoice>(settings.documentFormat.index)) {
    case DocumentFormatChoice::Pdf:
        return {DocumentFormat::Pdf};
    case DocumentFormatChoice::Both:
        return {DocumentFormat::Docx, DocumentFormat::Pdf};
    default:
        return {DocumentFormat::Docx};
    }
}

std::optional<std::string> formatRefusal(const ExerciseSettings& settings)
{
    const std::vector<DocumentFormat> formats = chosenFormats(settings);
    if (pdfAvailable() || std::ranges::find(formats, DocumentFormat::Pdf) == formats.end())
        return std::nullopt;
    return std::string(pdfUnavailableMessage);
}

std::string DocumentName::fileName(int attempt, DocumentFormat format) const
{
    std::string name = fileNamePart(kind) + "-" + fileNamePart(stamp);
    if (answers)
        name += "(答案)";
    if (attempt > 1)
        name += "-" + std::to_string(attempt);
    return name + (format == DocumentFormat::Pdf ? ".pdf" : ".docx");
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
    // A stem is another set's as soon as it has a file in either format.
    auto exists = [this](const DocumentName& sheet, int k) {
        std::error_code error;
        return std::filesystem::exists(filePath(sheet, k, DocumentFormat::Docx), error) ||
               std::filesystem::exists(filePath(sheet, k, DocumentFormat::Pdf), error);
    };
    auto taken = [&](int k) { return exists(name, k) || (pairFree && exists(partner, k)); };
    attempt = std::max(attempt, 1);
    while (attempt < maximumAttempt && taken(attempt))
        ++attempt;
    return filePath(name, attempt,
                    name.formats.empty() ? DocumentFormat::Docx : name.formats.front());
}

std::filesystem::path DocumentFolder::filePath(const DocumentName& name, int attempt,
                                               DocumentFormat format) const
{
    return path_ / pathFromUtf8(name.fileName(attempt, format));
}

} // namespace quill
