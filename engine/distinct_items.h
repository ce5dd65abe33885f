#pragma once

#include "problems/exercise_set.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>

namespace quill
{

// The repeat rule of a run: an item equal to one already drawn is drawn again. Equal means
// the same item, not a text inside another (2÷1 is new after 12÷1), so how many items the
// settings allow does not depend on the order they come in.
//
// Settings that allow fewer items than asked for show it by a long run of repeats: once a
// run of repeats is many times longer than a larger set of items would ever give, the items
// found are taken to be all there are, and the run is refused with their number instead of
// drawing until the time limit.
//
// A set of a batch is also not to repeat the items of the batch's earlier sets; that gives
// way once the repeats show that only their items are left.
class DistinctItems
{
public:
    DistinctItems() = default;
    explicit DistinctItems(const std::unordered_set<std::string>& earlierItems)
        : earlier_(&earlierItems)
    {
    }

    // True when the item is new, and then it is listed.
    bool add(const SetItem& item);
    // The item counts as drawn already without being one of this list's (another part of
    // the same sheet holds it).
    void exclude(const SetItem& item) { excluded_.insert(itemText(item)); }
    bool exhausted() const;
    // Earlier sets' items count as new from now on; false when there were none to allow.
    bool allowEarlierItems();
    // After a rule gave way, repeats so far say nothing of what may now be drawn.
    void countRepeatsAfresh() { repeatsInARow_ = 0; }
    std::size_t count() const { return listed_.size(); }

private:
    std::unordered_set<std::string> listed_;
    const std::unordered_set<std::string>* earlier_ = nullptr;
    std::unordered_set<std::string> excluded_;
    long repeatsInARow_ = 0;
};

std::string tooFewItemsMessage(std::size_t distinct, long asked);
inline constexpr std::string_view earlierItemsRepeatedMessage =
    "这些设置下的题已经在前几天出过了，这一套里有些题会与前几天的相同。";

} // namespace quill
