#include "resources/Resources.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

// The icons are compiled into this static library; register them before first use.
static void InitResources()
{
    static const bool done = [] { Q_INIT_RESOURCE(resources); return true; }();
    (void)done;
}

namespace ampora {

QIcon ProgramIcon()
{
    InitResources();
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/ampora-%1.png").arg(size), QSize(size, size));
    return icon;
}

const std::vector<MenuItemTemplate>& TrayMenuTemplate()
{
    static const std::vector<MenuItemTemplate> items{
        {ID_TRAY_SHOW_WINDOW, QT_TRANSLATE_NOOP("TrayMenu", "Show &window")},
        {ID_TRAY_START, QT_TRANSLATE_NOOP("TrayMenu", "&Start")},
        {ID_TRAY_BATTERY_INFO, QT_TRANSLATE_NOOP("TrayMenu", "&Baterry info")},
        {ID_TRAY_SYSTEM_INFO, QT_TRANSLATE_NOOP("TrayMenu", "System &info")},
        {0, nullptr},
        {ID_TRAY_EXIT, QT_TRANSLATE_NOOP("TrayMenu", "&Exit")},
    };
    return items;
}

void BuildTrayMenu(QMenu* menu)
{
    for (const MenuItemTemplate& item : TrayMenuTemplate()) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QCoreApplication::translate("TrayMenu", item.text));
        action->setData(item.id);
    }
}

} // namespace ampora
