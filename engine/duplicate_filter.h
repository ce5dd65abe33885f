#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace quill
{

// The repeat rule of a run: an item is refused when its text occurs anywhere in the list so
// far, even inside a longer item (3＋4 after 13＋45). Items hold no spaces, so an occurrence
// always lies inside one listed item; keeping the pieces of listed items answers at once
// what a search through a list of thousands of items would take long to find.
class DuplicateFilter
{
public:
    bool occurs(std::string_view item) const;
    void add(std::string_view item);

private:
    // Every piece of a listed item (whole characters) that holds more than digits, points
    // and "%". Pieces without a sign are checked against the list itself.
    std::unordered_set<std::string> pieces_;
    std::string list_;
};

} // namespace quill
