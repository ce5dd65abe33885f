#include "engine/key_filter.h"

#include "settings/notifier.h"

namespace quill
{

namespace
{

bool startExceedsEnd(const ExerciseSettings& s)
{
    // An emptied end box must stay fillable, so it is not compared until it has a digit.
    return !s.rangeEnd.text.empty() && s.rangeStart.value() > s.rangeEnd.value();
}

} // namespace

bool acceptKey(ExerciseSettings& settings, NumberBox& box, char32_t key, Notifier& notifier)
{
    if (key == backspaceKey)
        return true;
    bool accepted = key >= U'0' && key <= U'9';
    if (!accepted)
        notifier.notify("请输入数字！");
    if (&box == &settings.rangeEnd && startExceedsEnd(settings)) {
        accepted = false;
        notifier.notify("结束数字要大于起始数字！");
    }
    if (&box == &settings.rangeStart || &box == &settings.rangeEnd)
        settings.closeness = 50;
    return accepted;
}

} // namespace quill
