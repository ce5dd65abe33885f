#include "engine/key_filter.h"

#include "settings/notifier.h"

namespace quill
{

namespace
{

bool startExceedsEnd(const ExerciseSettings& s)
{
    // An emptied end box must stay fillable, so it is not compared until it has a digit.
    return !s.Text6.text.empty() && s.Text5.value() > s.Text6.value();
}

} // namespace

bool acceptKey(ExerciseSettings& settings, NumberBox& box, char32_t key, Notifier& notifier)
{
    if (key == backspaceKey)
        return true;
    bool accepted = key >= U'0' && key <= U'9';
    if (!accepted)
        notifier.ShowTrayMessage("请输入数字！");
    if (&box == &settings.Text6 && startExceedsEnd(settings)) {
        accepted = false;
        notifier.ShowTrayMessage("结束数字要大于起始数字！");
    }
    if (&box == &settings.Text5 || &box == &settings.Text6)
        settings.MyValue1 = 50;
    return accepted;
}

} // namespace quill
