#pragma once
// The notification-area icon of the main dialog: present exactly while the window is hidden
// into the notification area. Its right-click menu is menu 209.
#include <QObject>
#include <QPointer>

class QMenu;
class QSystemTrayIcon;

namespace ampora {

class CVolticDlg;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(CVolticDlg* owner);
    ~TrayIcon() override;

    // Whether the desktop has a notification area (tests may force the answer).
    bool Available() const;
    static void ForceAvailability(int available); // -1: ask the desktop, 0: no, 1: yes

    void Add();
    void Remove();
    bool Present() const;

    // The menu as it is when the icon is right-clicked: Start/Stop label and enabling set anew.
    QMenu* PrepareMenu();
    // Runs the command of a menu item (its id).
    void RunCommand(int id);
    // A click on the icon of the given kind: only the context-menu gesture opens the menu.
    void OnActivated(int reason);

    QSystemTrayIcon* Icon() const { return m_icon; }

private:
    CVolticDlg* m_owner;
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu = nullptr;
};

} // namespace ampora
