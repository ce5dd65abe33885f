#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <zip.h>

namespace quill::testing
{

// Every entry of a ZIP archive by name, unpacked; empty when it cannot be opened.
inline std::map<std::string, std::string> zipEntries(const std::filesystem::path& path)
{
    std::map<std::string, std::string> entries;
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive)
        return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_file_t* file = zip_fopen_index(archive, i, 0);
        if (!file || zip_stat_index(archive, i, 0, &stat) != 0)
            continue;
        std::string bytes(stat.size, '\0');
        if (zip_fread(file, bytes.data(), bytes.size()) == static_cast<zip_int64_t>(stat.size))
            entries[stat.name] = std::move(bytes);
        zip_fclose(file);
    }
    zip_close(archive);
    return entries;
}

} // namespace quill::testing
