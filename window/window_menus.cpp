#include "window/window_menus.h"

#include "settings/control_glossary.h"

#include <QAction>
#include <QMenu>

#include <tuple>

namespace quill
{

namespace
{

QString glossaryName(std::string_view part)
{
    return QString::fromUtf8(controlName(part));
}

template <size_t N>
QMenu* itemMenu(QWidget* window, std::string_view part, const QString& title,
                const std::array<MenuItem*, N>& items, WindowMenus& menus,
                const std::function<void(MenuItem&)>& chosen)
{
    auto* menu = new QMenu(title, window);
    menu->setObjectName(glossaryName(part));
    menu->setToolTipsVisible(true);
    for (MenuItem* item : items) {
        QAction* action = menu->addAction(QString::fromStdString(item->caption));
        action->setObjectName(QString::fromStdString(item->name));
        action->setCheckable(true);
        action->setChecked(item->checked);
        QObject::connect(action, &QAction::triggered, menu, [item, chosen] { chosen(*item); });
        menus.items.push_back({action, item});
    }
    return menu;
}

} // namespace

WindowMenus buildWindowMenus(QWidget* window, ExerciseSettings& settings,
                             std::function<void(MenuItem&)> chosen)
{
    WindowMenus menus;
    menus.lawMenu =
        itemMenu(window, "lawMenu", QStringLiteral("简便计算"), settings.lawItems(), menus, chosen);
    menus.unitMenu = itemMenu(window, "unitMenu", QStringLiteral("单位换算"), settings.unitItems(),
                              menus, chosen);
    menus.savedSetMenu = new QMenu(QStringLiteral("文件"), window);
    menus.savedSetMenu->setObjectName(glossaryName("savedSetMenu"));
    menus.loadAction = menus.savedSetMenu->addAction(QStringLiteral("载入"));
    menus.loadAction->setObjectName(glossaryName("loadAction"));
    menus.deleteAction = menus.savedSetMenu->addAction(QStringLiteral("删除"));
    menus.deleteAction->setObjectName(glossaryName("deleteAction"));
    menus.settingsMenu = new QMenu(QStringLiteral("设置"), window);
    menus.settingsMenu->setObjectName(glossaryName("settingsMenu"));
    const std::tuple<QAction**, const char*, QString> settingsActions[] = {
        {&menus.saveSettingsAction, "saveSettingsAction", QStringLiteral("保存设置…")},
        {&menus.loadSettingsAction, "loadSettingsAction", QStringLiteral("载入设置…")},
        {&menus.restoreDefaultsAction, "restoreDefaultsAction", QStringLiteral("恢复默认设置")},
    };
    for (const auto& [action, field, caption] : settingsActions) {
        *action = menus.settingsMenu->addAction(caption);
        (*action)->setObjectName(glossaryName(field));
    }
    return menus;
}

void mirrorMenuItems(const WindowMenus& menus)
{
    for (const MenuItemControl& c : menus.items)
        if (c.action->isChecked() != c.item->checked)
            c.action->setChecked(c.item->checked);
}

} // namespace quill
