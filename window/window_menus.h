#pragma once

// The window's popup menus: the laws of 简便计算 (`lawMenu`), the units of 单位换算 (`unitMenu`)
// the saved-set menu (`savedSetMenu`) and the settings menu (`settingsMenu`). Law and unit items show the model's menu items.

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
    QMenu* lawMenu = nullptr;
    QMenu* unitMenu = nullptr;
    QMenu* savedSetMenu = nullptr;
    QAction* loadAction = nullptr;   // 载入
    QAction* deleteAction = nullptr; // 删除
    QMenu* settingsMenu = nullptr;   // the 设置 button's menu
    QAction* saveSettingsAction = nullptr;    // 保存设置
    QAction* loadSettingsAction = nullptr;    // 载入设置
    QAction* restoreDefaultsAction = nullptr; // 恢复默认设置
    std::vector<MenuItemControl> items;
};

// `chosen` is called with the model's item when the user picks a law or unit item.
WindowMenus buildWindowMenus(QWidget* window, ExerciseSettings& settings,
                             std::function<void(MenuItem&)> chosen);

void mirrorMenuItems(const WindowMenus& menus);

} // namespace quill
