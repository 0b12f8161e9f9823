#include "monitor/events/SysfsPollPowerEvents.h"

#include <QDir>
#include <QFile>

namespace ampora {

namespace {

bool IsDeviceScope(const PowerSupplyEntry& entry)
{
    return entry.scope == QLatin1String("Device");
}

bool IsBattery(const PowerSupplyEntry& entry)
{
    return entry.type == QLatin1String("Battery");
}

// Attributes are one short line; anything longer than this is not one the kernel wrote.
QString ReadAttribute(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.read(64)).trimmed();
}

} // namespace

PowerSupplyState PowerSupplyStateOf(const std::vector<PowerSupplyEntry>& entries)
{
    PowerSupplyState state;
    bool anyOffline = false;
    bool anyOnline = false;
    for (const PowerSupplyEntry& entry : entries) {
        if (IsDeviceScope(entry))
            continue;
        if (IsBattery(entry)) {
            if (entry.present != QLatin1String("0"))
                ++state.batteries;
            continue;
        }
        bool ok = false;
        const int online = entry.online.toInt(&ok);
        if (!ok)
            continue;
        anyOnline = anyOnline || online != 0;
        anyOffline = anyOffline || online == 0;
    }
    state.ac = anyOnline ? AcLineState::Online : anyOffline ? AcLineState::Offline : AcLineState::Unknown;
    return state;
}

std::vector<PowerSupplyEntry> ReadPowerSupplyEntries(const QString& root)
{
    const QDir dir(root + QStringLiteral("/class/power_supply"));
    std::vector<PowerSupplyEntry> entries;
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString base = dir.filePath(name) + QLatin1Char('/');
        entries.push_back({ReadAttribute(base + QStringLiteral("type")), ReadAttribute(base + QStringLiteral("scope")),
                           ReadAttribute(base + QStringLiteral("online")),
                           ReadAttribute(base + QStringLiteral("present"))});
    }
    return entries;
}

SysfsPollPowerEvents::SysfsPollPowerEvents(QString root, std::chrono::milliseconds interval, QObject* parent)
    : PowerEventSource(parent), m_root(std::move(root)), m_state(PowerSupplyStateOf(ReadPowerSupplyEntries(m_root)))
{
    // Second accuracy is plenty and lets the system bundle the wake-ups.
    m_timer.setTimerType(Qt::VeryCoarseTimer);
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &SysfsPollPowerEvents::PollNow);
    m_timer.start();
}

void SysfsPollPowerEvents::PollNow()
{
    const PowerSupplyState state = PowerSupplyStateOf(ReadPowerSupplyEntries(m_root));
    if (state == m_state)
        return;
    m_state = state;
    emit powerStatusChanged();
}

} // namespace ampora
