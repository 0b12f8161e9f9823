#include "platform/SystemMenu.h"

namespace ampora {

// The window manager's menu cannot be extended from here; About is on the dialog's button.
std::unique_ptr<SystemMenu> InstallSystemMenu(QWidget*, const QString&, unsigned, SystemMenuCommands)
{
    return nullptr;
}

} // namespace ampora
