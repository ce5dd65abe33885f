#pragma once

// Who answers the set about to start: a known pupil, a new name, or 不记录. Asked once a
// window session; the answer decides whether the sets answered go to the pupil's records.

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace quill
{

// The name chosen or typed, or nothing for 不记录 (also when the dialog is closed).
std::optional<std::string> askPupilName(QWidget* parent, const std::vector<std::string>& known);

} // namespace quill
