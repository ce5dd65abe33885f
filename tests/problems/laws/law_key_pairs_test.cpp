#include "problems/laws/law_key_pairs.h"

#include <gtest/gtest.h>
#include <set>

namespace quill
{
namespace
{

struct GridCase {
    const char* name;
    OperandGrid grid;
};

// Every pair of the grid, tried one by one: the listed key pairs are exactly those whose key
// value is 10, 100, … up to the key's largest, each once.
TEST(KeyPairs, ListExactlyThePairsWhoseKeyValueIsAPowerOfTen)
{
    const GridCase grids[] = {{"whole 0-120", {0, 120, 0}},
                              {"tenths 0-25.9", {0, 259, 1}},
                              {"hundredths 1-3.99", {100, 399, 2}},
                              {"thousandths 0-0.999", {0, 999, 3}}};
    const KeyOperation operations[] = {KeyOperation::sum, KeyOperation::difference,
                                       KeyOperation::product, KeyOperation::quotient};
    for (const GridCase& c : grids)
        for (const KeyOperation operation : operations)
            for (const long long largest : {10LL, 1000LL}) {
                const LawKey key{operation, &LawOperands::a, &LawOperands::b, largest};
                const KeyPairs pairs(c.grid, key);
                std::set<std::pair<std::string, std::string>> listed;
                for (long long k = 0; k < pairs.count(); ++k) {
                    const auto [x, y] = pairs.at(k);
                    listed.emplace(x.text(), y.text());
                }
                std::set<std::pair<std::string, std::string>> expected;
                for (long long x = c.grid.low; x <= c.grid.high; ++x)
                    for (long long y = c.grid.low; y <= c.grid.high; ++y) {
                        const ExactDecimal a = ExactDecimal::scaled(x, c.grid.places);
                        const ExactDecimal b = ExactDecimal::scaled(y, c.grid.places);
                        const ExactDecimal value = operation == KeyOperation::sum          ? a + b
                                                   : operation == KeyOperation::difference ? a - b
                                                   : operation == KeyOperation::product    ? a * b
                                                   : y == 0 ? ExactDecimal::none()
                                                            : a / b;
                        if (value.isPowerOfTenUpTo(largest))
                            expected.emplace(a.text(), b.text());
                    }
                const std::string what = std::string(c.name) + " operation " +
                                         std::to_string(static_cast<int>(operation)) + " up to " +
                                         std::to_string(largest);
                EXPECT_EQ(listed.size(), static_cast<std::size_t>(pairs.count())) << what;
                EXPECT_EQ(listed, expected) << what;
            }
}

} // namespace
} // namespace quill
