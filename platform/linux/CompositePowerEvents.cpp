#include "platform/linux/CompositePowerEvents.h"

namespace ampora {

CompositePowerEvents::CompositePowerEvents(std::unique_ptr<PowerEventSource> standBy,
                                           std::unique_ptr<PowerEventSource> status, QObject* parent)
    : PowerEventSource(parent), m_standBy(std::move(standBy)), m_status(std::move(status))
{
    Forward(m_standBy.get());
    Forward(m_status.get());
}

CompositePowerEvents::~CompositePowerEvents() = default;

void CompositePowerEvents::SuspendHandled()
{
    for (PowerEventSource* part : {m_standBy.get(), m_status.get()}) {
        if (part)
            part->SuspendHandled();
    }
}

void CompositePowerEvents::RunTicked()
{
    for (PowerEventSource* part : {m_standBy.get(), m_status.get()}) {
        if (part)
            part->RunTicked();
    }
}

void CompositePowerEvents::Forward(PowerEventSource* part)
{
    if (!part)
        return;
    connect(part, &PowerEventSource::aboutToSuspend, this, &PowerEventSource::aboutToSuspend);
    connect(part, &PowerEventSource::powerStatusChanged, this, &PowerEventSource::powerStatusChanged);
}

} // namespace ampora
