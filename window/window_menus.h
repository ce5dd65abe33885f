#pragma once

// The window's popup menus: the laws of 简便计算 (`jbjs`), the units of 单位换算 (`danwei`)
// and the saved-set menu (`wenjian`). Law and unit items show the model's menu items.

#include "settings/exercise_settings.h"

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace quill
{

struct MenuItemControl {
    QAction* action;
    MenuItem* item;
};

struct WindowMenus {
    QMenu* jbjs = nullptr;
    QMenu* danwei = nullptr;
    QMenu* wenjian = nullptr;
    QAction* zairu = nullptr;   // 载入
    QAction* shanchu = nullptr; // 删除
    std::vector<MenuItemControl> items;
};

// `chosen` is called with the model's item when the user picks a law or unit item.
WindowMenus buildWindowMenus(QWidget* window, ExerciseSettings& settings,
                             std::function<void(MenuItem&)> chosen);

void mirrorMenuItems(const WindowMenus& menus);

} // namespace quill
