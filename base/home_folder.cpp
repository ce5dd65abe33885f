#include "base/home_folder.h"

#include <array>
#include <charconv>

namespace quill
{

namespace
{

// name:password:uid:gid:comment:home:shell
constexpr std::size_t accountFields = 7;
constexpr std::size_t uidField = 2;
constexpr std::size_t homeField = 5;

bool splitAccount(std::string_view line, std::array<std::string_view, accountFields>& fields)
{
    for (std::size_t i = 0; i + 1 < accountFields; ++i) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return false;
        fields[i] = line.substr(0, colon);
        line.remove_prefix(colon + 1);
    }
    fields[accountFields - 1] = line;
    return true;
}

bool isUid(std::string_view text, unsigned long uid)
{
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty() &&
           value == uid;
}

} // namespace

std::filesystem::path homeInAccounts(std::string_view accounts, unsigned long uid)
{
    while (!accounts.empty()) {
        const std::size_t end = std::min(accounts.find('\n'), accounts.size());
        std::array<std::string_view, accountFields> fields;
        if (splitAccount(accounts.substr(0, end), fields) && isUid(fields[uidField], uid) &&
            !fields[homeField].empty())
            return std::filesystem::path(fields[homeField]);
        accounts.remove_prefix(std::min(end + 1, accounts.size()));
    }
    return {};
}

} // namespace quill
