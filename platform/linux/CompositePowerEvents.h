#pragma once
// One source made of two: stand-by comes from one (logind), power status changes from the
// other (UPower, the kernel's uevents or the sysfs poll). Either may be missing. Both signals of both parts are
// passed on, and SuspendHandled reaches both.
#include "platform/PowerEvents.h"

#include <memory>

namespace ampora {

class CompositePowerEvents : public PowerEventSource {
    Q_OBJECT
public:
    CompositePowerEvents(std::unique_ptr<PowerEventSource> standBy, std::unique_ptr<PowerEventSource> status,
                         QObject* parent = nullptr);
    ~CompositePowerEvents() override;

    void SuspendHandled() override;
    void RunTicked() override;

    PowerEventSource* StandBySource() const { return m_standBy.get(); }
    PowerEventSource* StatusSource() const { return m_status.get(); }

private:
    void Forward(PowerEventSource* part);

    std::unique_ptr<PowerEventSource> m_standBy;
    std::unique_ptr<PowerEventSource> m_status;
};

} // namespace ampora
