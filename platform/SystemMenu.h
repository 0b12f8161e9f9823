#pragma once
// The window menu that the system draws for a top-level window (the system menu of
// Windows): the main dialog appends its About item to it and takes its Minimize command.
// Where the platform has no such menu (Linux: the window manager owns it), nothing is added
// and minimizing reaches the dialog as a window-state change.
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace ampora {

struct SystemMenuCommands {
    std::function<void()> about;    // the appended About item
    std::function<void()> minimize; // Minimize, from the menu or the caption button; the
                                    // window is then not minimized by the system
};

// Routes the commands while it lives; taking it down leaves the menu as it is.
class SystemMenu {
public:
    virtual ~SystemMenu() = default;
};

// For the top-level `window`: unless aboutText is empty, appends a separator and an item
// `aboutText` with command `aboutCommand` to its system menu, now or when its native window
// is made (again). The commands run from the event loop, after the system's message has
// been answered, never inside it. Null where the platform has no system menu.
std::unique_ptr<SystemMenu> InstallSystemMenu(QWidget* window, const QString& aboutText, unsigned aboutCommand,
                                              SystemMenuCommands commands);

} // namespace ampora
