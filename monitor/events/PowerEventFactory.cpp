// Placeholder until the system sources exist: no events.
#include "monitor/events/PowerEventFactory.h"

namespace ampora {

std::unique_ptr<PowerEventSource> MakePowerEventSource()
{
    return std::make_unique<FakePowerEventSource>();
}

} // namespace ampora
