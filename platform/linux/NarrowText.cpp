#include "platform/NarrowText.h"

#include "platform/DriverText.h"

#include <QString>

namespace ampora {

std::string DriverTextToNarrow(const void* text, uint32_t byteCount)
{
    return DriverTextToUtf8(text, byteCount);
}

std::string ToNarrow(const QString& text)
{
    return text.toStdString();
}

QString FromNarrow(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ampora
