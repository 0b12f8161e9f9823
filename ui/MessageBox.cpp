#include "ui/MessageBox.h"

#include "resources/ResourceIds.h"
#include "resources/StringTable.h"

namespace ampora {
namespace {
MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}
} // namespace

void SetMessageBoxHook(MessageBoxHook hook)
{
    Hook() = std::move(hook);
}

QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons)
{
    if (Hook())
        return Hook()(parent, icon, text, buttons);
    QMessageBox box(icon, LoadQString(IDS_CAPTION), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace ampora
