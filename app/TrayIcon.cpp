#include "app/TrayIcon.h"

#include "app/CVolticDlg.h"
#include "resources/ResourceIds.h"
#include "resources/Resources.h"
#include "resources/StringTable.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>

namespace ampora {
namespace {
int g_forcedAvailability = -1;
}

TrayIcon::TrayIcon(CVolticDlg* owner)
    : QObject(owner)
    , m_owner(owner)
{
}

TrayIcon::~TrayIcon()
{
    Remove();
    delete m_menu;
}

void TrayIcon::ForceAvailability(int available)
{
    g_forcedAvailability = available;
}

bool TrayIcon::Available() const
{
    if (g_forcedAvailability >= 0)
        return g_forcedAvailability == 1;
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::Add()
{
    QMenu* menu = PrepareMenu(); // a host may read the menu without announcing that it shows it
    if (!m_icon) {
        m_icon = new QSystemTrayIcon(ProgramIcon(), this);
        m_icon->setToolTip(QStringLiteral("Ampora")); // the same with every translation
        // Left clicks and double clicks do nothing: the icon's activation has no handler.
        m_icon->setContextMenu(menu);
    }
    m_icon->show();
}

void TrayIcon::Remove()
{
    if (m_icon)
        m_icon->hide();
}

bool TrayIcon::Present() const
{
    return m_icon && m_icon->isVisible();
}

QMenu* TrayIcon::PrepareMenu()
{
    if (!m_menu) {
        m_menu = new QMenu;
        BuildTrayMenu(m_menu);
        connect(m_menu, &QMenu::triggered, this,
                [this](QAction* action) { RunCommand(action->data().toInt()); });
        connect(m_menu, &QMenu::aboutToShow, this, &TrayIcon::PrepareMenu);
    }
    const bool anyBattery = m_owner->BatteryCtrl().GetBatteryCount() != 0;
    for (QAction* action : m_menu->actions()) {
        const int id = action->data().toInt();
        if (id == ID_TRAY_START)
            action->setText(LoadQString(m_owner->IsRunning() ? IDS_STOP : IDS_START));
        if (id == ID_TRAY_START || id == ID_TRAY_BATTERY_INFO || id == ID_TRAY_SYSTEM_INFO)
            action->setEnabled(anyBattery);
    }
    return m_menu;
}

void TrayIcon::RunCommand(int id)
{
    switch (id) {
    case ID_TRAY_SHOW_WINDOW: m_owner->OnTrayShowWindow(); break;
    case ID_TRAY_START: m_owner->OnTrayStartStop(); break;
    case ID_TRAY_BATTERY_INFO: m_owner->OnBatteryInfo(); break;
    case ID_TRAY_SYSTEM_INFO: m_owner->OnSystemInfo(); break;
    case ID_TRAY_EXIT: m_owner->OnTrayExit(); break;
    default: break;
    }
}

} // namespace ampora
