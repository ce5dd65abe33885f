#include "base/atomic_file.h"

namespace quill
{

namespace
{

// Six characters that make a temporary name unique.
constexpr std::size_t uniquePartLength = 6;

// Joined as native strings, so a Chinese name stays whole on Windows, whose narrow strings
// are in the ANSI code page.
std::filesystem::path temporaryPrefix(const std::filesystem::path& path)
{
    std::filesystem::path prefix = ".";
    prefix += path.filename();
    prefix += ".";
    return prefix;
}

} // namespace

std::filesystem::path temporaryNamePattern(const std::filesystem::path& path)
{
    std::filesystem::path pattern = temporaryPrefix(path);
    pattern += std::string(uniquePartLength, 'X');
    return pattern;
}

bool isTemporaryOf(const std::filesystem::path& candidate, const std::filesystem::path& path)
{
    const std::filesystem::path prefixPath = temporaryPrefix(path);
    const std::filesystem::path namePath = candidate.filename();
    const auto& prefix = prefixPath.native();
    const auto& name = namePath.native();
    return name.size() == prefix.size() + uniquePartLength && name.starts_with(prefix);
}

} // namespace quill
