#pragma once
// Power events on Windows: WM_POWERBROADCAST as the main dialog's window receives it.
#include "monitor/events/PowerEvents.h"

#include <QAbstractNativeEventFilter>

namespace ampora {

// Native event filters see the messages of every window of the application, and Windows
// sends each broadcast to every top-level window (the tray icon's hidden one too). So only
// the messages of the parent widget's top-level window count; without a widget parent,
// those of every window do. The signals are emitted before the message is passed on, which
// it always is. Needs a QCoreApplication.
class Win32PowerEvents final : public PowerEventSource, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit Win32PowerEvents(QObject* parent);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};

// parent: the main dialog.
PowerEventSource* MakeWin32PowerEvents(QObject* parent);

} // namespace ampora
