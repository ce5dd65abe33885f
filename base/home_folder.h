#pragma once

#include <filesystem>
#include <string_view>

namespace quill
{

// The user's home folder: $HOME, or when that is unset (a service, a bare cron job) the
// user's entry in /etc/passwd; empty when neither says. On Windows, the profile folder. The
// account file is read directly: the C library's name service loads modules at run time, which a
// statically linked program cannot do safely.
std::filesystem::path homeFolder();

// The folder the system itself names for this user's application data: on Windows the roaming
// AppData folder, from the known-folder API. Empty elsewhere, where $XDG_DATA_HOME or
// ~/.local/share tell it instead.
std::filesystem::path knownDataFolder();

// The home folder of user `uid` in the text of an account file, or empty.
std::filesystem::path homeInAccounts(std::string_view accounts, unsigned long uid);

} // namespace quill
