#pragma once
// Power events on Windows: WM_POWERBROADCAST, which Windows sends to every top-level window.
#include "platform/PowerEvents.h"

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <memory>

namespace ampora {

// A native event filter sees the messages of every window of the application, and each
// top-level window (the tray icon's hidden one too) gets its own copy of a broadcast. So one
// window's copies count: those of the main dialog once ListenTo named it, else those of the
// parent widget's top-level window, or, without a widget parent, of a hidden window of the
// source's own. The signals
// are emitted before the message is passed on, which it always is. Needs a QGuiApplication.
class Win32PowerEvents final : public PowerEventSource, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    explicit Win32PowerEvents(QObject* parent);
    ~Win32PowerEvents() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    // From now on the copies of `window`'s top-level window count; the hidden window goes.
    void ListenTo(QWidget* window) override;

private:
    WId ListeningWindow() const;

    std::unique_ptr<QWindow> m_ownWindow;
    QPointer<QWidget> m_window;
};

// The signal a WM_POWERBROADCAST (message, wParam) stands for, emitted by `source`; nothing
// for any other message. Shared by both Windows sources.
void EmitPowerBroadcast(PowerEventSource& source, uint32_t message, uintptr_t wParam);

// parent: the main dialog, or null.
PowerEventSource* MakeWin32PowerEvents(QObject* parent);

} // namespace ampora
