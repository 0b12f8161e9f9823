#pragma once
// Power status changes where nothing on a bus reports them (containers, machines without a
// system bus or UPower): a light poll of <root>/class/power_supply that reports a change of
// the AC state or of the number of batteries. It never reports stand-by.
#include "monitor/events/PowerEvents.h"

#include <QString>
#include <QTimer>

#include <chrono>
#include <vector>

namespace ampora {

// One entry of <root>/class/power_supply as the kernel wrote it: each attribute trimmed,
// empty when the file is missing or unreadable.
struct PowerSupplyEntry {
    QString type;
    QString scope;
    QString online;
    QString present;
};

enum class AcLineState { Offline, Online, Unknown };

struct PowerSupplyState {
    AcLineState ac = AcLineState::Unknown;
    int batteries = 0;
    bool operator==(const PowerSupplyState&) const = default;
};

// What the poll compares. Supplies of scope Device (mice, headsets) never count. AC is Online
// when any non-battery supply reads a non-zero `online`, Offline when at least one reads 0 and
// none is online, Unknown without a readable one. A battery counts unless `present` is 0.
PowerSupplyState PowerSupplyStateOf(const std::vector<PowerSupplyEntry>& entries);

// Reads every entry of <root>/class/power_supply in name order; none when it is missing.
std::vector<PowerSupplyEntry> ReadPowerSupplyEntries(const QString& root);

class SysfsPollPowerEvents : public PowerEventSource {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultInterval{3000};

    // Reads the state once now, then every `interval` on a coarse timer.
    explicit SysfsPollPowerEvents(QString root, std::chrono::milliseconds interval = kDefaultInterval,
                                  QObject* parent = nullptr);

    // Reads the tree and emits powerStatusChanged when the state differs from the last read.
    void PollNow();

    PowerSupplyState LastState() const { return m_state; }

private:
    QString m_root;
    PowerSupplyState m_state;
    QTimer m_timer;
};

} // namespace ampora
