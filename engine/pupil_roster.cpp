#include "engine/pupil_roster.h"

#include "base/line_encoding.h"
#include "base/utf8.h"

#include <algorithm>
#include <fstream>

namespace quill
{

namespace
{

Roster refused(std::string reason)
{
    return {{}, std::move(reason)};
}

// Control characters other than line ends and tabs mean a binary file, not a list.
bool looksBinary(std::string_view bytes)
{
    return std::ranges::any_of(bytes, [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && c != '\n' && c != '\r' && c != '\t') || u == 0x7f;
    });
}

std::string_view withoutByteOrderMark(std::string_view bytes)
{
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    return bytes.starts_with(mark) ? bytes.substr(mark.size()) : bytes;
}

} // namespace

Roster rosterFromBytes(std::string_view bytes)
{
    bytes = withoutByteOrderMark(bytes);
    if (bytes.size() > largestRosterBytes)
        return refused("名单文件太大（超过64KB），不像是一份名单。");
    if (looksBinary(bytes) || !isHistoryEncoding(bytes))
        return refused("名单文件不是文本（要UTF-8或GBK编码，每行一个名字）。");
    Roster roster;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start <= bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        ++lineNumber;
        const std::string name = decodeHistoryBytes(trimmed(bytes.substr(start, end - start)));
        start = end + 1;
        if (name.empty())
            continue;
        if (characterCount(name) > longestPupilName)
            return refused("名单第" + std::to_string(lineNumber) + "行的名字超过" +
                           std::to_string(longestPupilName) + "个字。");
        if (roster.names.size() == mostPupils)
            return refused("名单最多" + std::to_string(mostPupils) + "个名字。");
        roster.names.push_back(name);
    }
    if (roster.names.empty())
        return refused("名单里没有名字（每行写一个名字）。");
    return roster;
}

Roster readRoster(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return refused("名单文件“" + utf8Text(file) + "”打不开。");
    std::string bytes(largestRosterBytes + 4, '\0'); // room for a byte order mark and one more
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return refused("名单文件“" + utf8Text(file) + "”读不出来。");
    return rosterFromBytes(bytes);
}

} // namespace quill
