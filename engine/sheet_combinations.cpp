#include "engine/sheet_combinations.h"

namespace quill
{

namespace
{

constexpr std::string_view noFractionFillIn = "分数题没有“填数”的形式";
constexpr std::string_view noFractionLaws = "“简便计算”没有分数题";

std::string sentence(std::string_view reason, std::string_view advice)
{
    return std::string(reason) + "，" + std::string(advice) + "！";
}

} // namespace

// 一页100题 sizes the tables of whole numbers, decimals and percents in one-line cells.
std::optional<std::string> unfittableOnOnePage(const ExerciseSettings& s)
{
    if (s.pageLayout.index != static_cast<int>(PageLayoutChoice::Dense))
        return std::nullopt;
    if (!s.oralOption.selected && !s.estimationOption.selected)
        return sentence("“一页100题”只用于口算和估算", "请改选“标准”或“大字”版式");
    if (s.fractions.checked)
        return sentence("“一页100题”不排分数题", "请改选“标准”或“大字”版式");
    return std::nullopt;
}

std::optional<std::string> unshowableCombination(const ExerciseSettings& s)
{
    if (auto onePage = unfittableOnOnePage(s))
        return onePage;
    if (!s.fractions.checked)
        return std::nullopt;
    if (s.lawsOption.selected)
        return sentence(noFractionLaws, "请改选整数或小数");
    if (s.fillIn.checked)
        return sentence(noFractionFillIn, "请取消“填数”，或者改选整数、小数或百分数");
    return std::nullopt;
}

std::optional<std::string> refusedTick(const ExerciseSettings& s, const CheckBox& box)
{
    if (&box == &s.fillIn && s.fractions.checked)
        return sentence(noFractionFillIn, "请先改选整数、小数或百分数");
    if (&box == &s.fractions && s.lawsOption.selected)
        return sentence(noFractionLaws, "请选择整数或小数");
    if (&box == &s.fractions && s.fillIn.checked)
        return sentence(noFractionFillIn, "请先取消“填数”");
    return std::nullopt;
}

} // namespace quill
