#include "engine/distinct_items.h"

#include "problems/exercise_set.h"

#include <algorithm>

namespace quill
{

namespace
{

// With one item left unfound among n drawn alike, a run of 30·n repeats happens with a
// chance of about e^-30; the floor keeps tiny sets from being judged on a few draws.
constexpr long repeatsPerItem = 30;
constexpr long fewestRepeats = 2000;

} // namespace

bool DistinctItems::add(const SetItem& item)
{
    std::string text = itemText(item);
    if (excluded_.contains(text) || (earlier_ && earlier_->contains(text)) ||
        !listed_.insert(std::move(text)).second) {
        ++repeatsInARow_;
        return false;
    }
    repeatsInARow_ = 0;
    return true;
}

bool DistinctItems::exhausted() const
{
    const std::size_t known = listed_.size() + (earlier_ ? earlier_->size() : 0);
    return repeatsInARow_ > std::max(fewestRepeats, repeatsPerItem * static_cast<long>(known));
}

bool DistinctItems::allowEarlierItems()
{
    if (!earlier_ || earlier_->empty())
        return false;
    earlier_ = nullptr;
    repeatsInARow_ = 0;
    return true;
}

std::string tooFewItemsMessage(std::size_t distinct, long asked)
{
    return "这些设置下只有" + std::to_string(distinct) + "道不同的题，比题量" +
           std::to_string(asked) + "少！请扩大数据范围、多选几种运算或减少题量。";
}

} // namespace quill
