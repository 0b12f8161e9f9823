#pragma once
// The notification-area icon of the main dialog: present exactly while the window is hidden
// into the notification area. Its menu (menu 209) is the icon's context menu, so a host that
// speaks the StatusNotifierItem protocol reads and clicks it over D-Bus and an XEmbed host
// gets it at the cursor; either way the labels and greying are set as it is about to show.
#include <QObject>

class QMenu;
class QSystemTrayIcon;

namespace ampora {

class CVolticDlg;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    explicit TrayIcon(CVolticDlg* owner);
    ~TrayIcon() override;

    // Whether the desktop has a notification area, asked anew at each call (tests may force
    // the answer). Qt settles whether a D-Bus host exists the first time it is asked, for the
    // life of the process, so nothing asks before the first minimize.
    bool Available() const;
    static void ForceAvailability(int available); // -1: ask the desktop, 0: no, 1: yes

    void Add();
    void Remove();
    bool Present() const;

    // The menu with its Start/Stop label and enabling set for the moment.
    QMenu* PrepareMenu();
    // Runs the command of a menu item (its id).
    void RunCommand(int id);

    QSystemTrayIcon* Icon() const { return m_icon; }

private:
    CVolticDlg* m_owner;
    QSystemTrayIcon* m_icon = nullptr;
    QMenu* m_menu = nullptr;
};

} // namespace ampora
