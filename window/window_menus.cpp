#include "window/window_menus.h"

#include <QAction>
#include <QMenu>

namespace quill
{

namespace
{

template <size_t N>
QMenu* itemMenu(QWidget* window, const char* name, const QString& title,
                const std::array<MenuItem*, N>& items, WindowMenus& menus,
                const std::function<void(MenuItem&)>& chosen)
{
    auto* menu = new QMenu(title, window);
    menu->setObjectName(QLatin1String(name));
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
    menus.jbjs =
        itemMenu(window, "jbjs", QStringLiteral("简便计算"), settings.lawItems(), menus, chosen);
    menus.danwei =
        itemMenu(window, "danwei", QStringLiteral("单位换算"), settings.unitItems(), menus, chosen);
    menus.wenjian = new QMenu(QStringLiteral("文件"), window);
    menus.wenjian->setObjectName(QStringLiteral("wenjian"));
    menus.zairu = menus.wenjian->addAction(QStringLiteral("载入"));
    menus.zairu->setObjectName(QStringLiteral("zairu"));
    menus.shanchu = menus.wenjian->addAction(QStringLiteral("删除"));
    menus.shanchu->setObjectName(QStringLiteral("shanchu"));
    return menus;
}

void mirrorMenuItems(const WindowMenus& menus)
{
    for (const MenuItemControl& c : menus.items)
        if (c.action->isChecked() != c.item->checked)
            c.action->setChecked(c.item->checked);
}

} // namespace quill
