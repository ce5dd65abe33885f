#include "engine/sheet_code.h"

#include <algorithm>
#include <string_view>

namespace quill
{

namespace
{

// 32 signs: digits and capitals without 0, 1, I and O.
constexpr std::string_view codeSigns = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";

std::string drawCode(RandomSource& random)
{
    std::string code;
    for (std::size_t k = 0; k < sheetCodeLength; ++k)
        code += codeSigns[static_cast<std::size_t>(random.below(int(codeSigns.size())))];
    return code;
}

} // namespace

std::vector<std::string> drawSheetCodes(RandomSource& random, std::size_t count)
{
    std::vector<std::string> codes;
    while (codes.size() < count) {
        std::string code = drawCode(random);
        if (std::ranges::find(codes, code) == codes.end())
            codes.push_back(std::move(code));
    }
    return codes;
}

} // namespace quill
