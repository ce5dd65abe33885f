#include "base/home_folder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace quill
{

std::filesystem::path homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    std::ifstream file("/etc/passwd", std::ios::binary);
    std::ostringstream accounts;
    accounts << file.rdbuf();
    return homeInAccounts(accounts.str(), ::getuid());
}

std::filesystem::path knownDataFolder()
{
    return {};
}

} // namespace quill
