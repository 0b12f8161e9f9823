// Qt's texts to and from the ANSI code page.
#include "platform/NarrowText.h"
#include "platform/win32/NarrowAnsi.h"

#include <QString>

namespace ampora {

std::string ToNarrow(const QString& text)
{
    return UnitsToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                           static_cast<size_t>(text.size())));
}

QString FromNarrow(std::string_view text)
{
    const std::u16string units = AnsiToUnits(text);
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

} // namespace ampora
