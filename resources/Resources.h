#pragma once
// The resources that need Qt Gui: the program icon and the tray menu. The texts and the
// translation module that replaces them are in TranslationModule.h.
#include "resources/ResourceIds.h"
#include "resources/TranslationModule.h"

#include <QIcon>
#include <QString>
#include <QStringList>

#include <vector>

class QMenu;

namespace ampora {

// Program icon 128, at every size it is drawn in.
QIcon ProgramIcon();

// Tray menu IDR_TRAY_MENU: one popup with the ID_TRAY_ items.
struct MenuItemTemplate {
    int id;           // 0 for a separator
    const char* text; // template text, translated through the "TrayMenu" context
};
const std::vector<MenuItemTemplate>& TrayMenuTemplate();
// Fills `menu` from menu 209; each action's data is its command id.
void BuildTrayMenu(QMenu* menu);

} // namespace ampora
