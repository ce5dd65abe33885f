#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace quill::testing
{

// The file name of `path` in UTF-8.
inline std::string utf8Name(const std::filesystem::path& path)
{
    const std::u8string name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

// The whole path in UTF-8, as a command-line argument.
inline std::string utf8Path(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder
{
public:
    // Made with the standard library alone (no mkdtemp), so that it serves on Windows too.
    TempFolder()
    {
        std::random_device random;
        std::error_code error;
        const std::filesystem::path base = std::filesystem::temp_directory_path(error);
        for (int attempt = 0; attempt < 100 && !error; ++attempt) {
            const std::filesystem::path candidate =
                base / ("quillmere-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, error)) {
                path_ = candidate;
                return;
            }
        }
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!path_.empty())
            std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Names are UTF-8 whatever the platform: Windows would read a plain narrow string in its
    // ANSI code page.
    std::filesystem::path operator/(std::string_view name) const
    {
        return path_ /
               std::u8string_view(reinterpret_cast<const char8_t*>(name.data()), name.size());
    }
    std::filesystem::path operator/(std::u8string_view name) const { return path_ / name; }

    // Names of the entries in the folder, hidden ones included, sorted.
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(utf8Name(entry.path()));
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path path_;
};

inline std::string fileBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

// The same for files named in UTF-8, as the command line gets them.
inline std::string fileBytes(const std::string& utf8File)
{
    return fileBytes(std::filesystem::path(std::u8string(utf8File.begin(), utf8File.end())));
}

inline void writeBytes(const std::string& utf8File, std::string_view bytes)
{
    writeBytes(std::filesystem::path(std::u8string(utf8File.begin(), utf8File.end())), bytes);
}

} // namespace quill::testing
