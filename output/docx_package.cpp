#include "output/docx_package.h"

#include <memory>
#include <zip.h>

namespace quill
{

namespace
{

struct SourceRelease {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourcePointer = std::unique_ptr<zip_source_t, SourceRelease>;

std::string describe(zip_error_t* error)
{
    return std::string("ZIP: ") + zip_error_strerror(error);
}

bool addParts(zip_t* archive, const std::vector<DocxPart>& parts, std::string& error)
{
    for (const DocxPart& part : parts) {
        // The archive reads the text when it is closed; the parts outlive that.
        zip_source_t* source = zip_source_buffer(archive, part.xml.data(), part.xml.size(), 0);
        if (!source || zip_file_add(archive, part.name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            if (source)
                zip_source_free(source);
            error = describe(zip_get_error(archive));
            return false;
        }
    }
    return true;
}

std::optional<std::string> readAll(zip_source_t* source, std::string& error)
{
    zip_stat_t stat;
    if (zip_source_open(source) < 0) {
        error = describe(zip_source_error(source));
        return std::nullopt;
    }
    std::string bytes;
    if (zip_source_stat(source, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE))
        bytes.resize(stat.size);
    const zip_int64_t read = zip_source_read(source, bytes.data(), bytes.size());
    zip_source_close(source);
    if (read < 0 || static_cast<std::size_t>(read) != bytes.size()) {
        error = "ZIP: archive incomplete";
        return std::nullopt;
    }
    return bytes;
}

} // namespace

std::optional<std::string> packDocx(const std::vector<DocxPart>& parts, std::string& error)
{
    zip_error_t zipError;
    zip_error_init(&zipError);
    SourcePointer buffer(zip_source_buffer_create(nullptr, 0, 0, &zipError));
    if (!buffer) {
        error = describe(&zipError);
        zip_error_fini(&zipError);
        return std::nullopt;
    }
    zip_source_keep(buffer.get()); // the archive releases its reference on close
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &zipError);
    if (!archive) {
        error = describe(&zipError);
        zip_error_fini(&zipError);
        return std::nullopt;
    }
    zip_error_fini(&zipError);

    if (!addParts(archive, parts, error)) {
        zip_discard(archive);
        return std::nullopt;
    }
    if (zip_close(archive) < 0) {
        error = describe(zip_get_error(archive));
        zip_discard(archive);
        return std::nullopt;
    }
    return readAll(buffer.get(), error);
}

} // namespace quill
