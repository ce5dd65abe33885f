#include "base/home_folder.h"

#include <gtest/gtest.h>

namespace quill
{
namespace
{

TEST(HomeFolder, FindsTheUsersEntryInTheAccountFile)
{
    const std::string accounts = "root:x:0:0:root:/root:/bin/bash\n"
                                 "broken line\n"
                                 "nohome:x:7:7:::/bin/sh\n"
                                 "ann:x:1000:1000:Ann,,,:/home/ann:/bin/bash\n"
                                 "bob:x:10001:100::/home/bob:/bin/sh";
    EXPECT_EQ(homeInAccounts(accounts, 0), "/root");
    EXPECT_EQ(homeInAccounts(accounts, 1000), "/home/ann");
    EXPECT_EQ(homeInAccounts(accounts, 10001), "/home/bob"); // last line, no line end
    EXPECT_EQ(homeInAccounts(accounts, 100), "");            // only a prefix of 1000 and 10001
    EXPECT_EQ(homeInAccounts(accounts, 7), "");              // an entry without a home
    EXPECT_EQ(homeInAccounts("", 0), "");
}

} // namespace
} // namespace quill
