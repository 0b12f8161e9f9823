#pragma once
// Narrow texts: the bytes of the log and the .apd files and the texts the battery driver gives
// (a battery record keeps them as they are, so a saved run writes back the bytes it read):
// UTF-8 on Linux, the ANSI code page on Windows. Everything shown is QString; texts cross
// into Qt and out of it only through these functions, in the two file writers, the driver's
// conversion and where a battery record's texts are shown.
#include <cstdint>
#include <string>
#include <string_view>

class QString;

namespace ampora {

// A driver text (UTF-16LE, byteCount bytes; an odd last byte is ignored) as narrow text,
// cut at the first NUL. Windows: WideCharToMultiByte with CP_ACP and WC_COMPOSITECHECK, so a
// letter followed by a combining accent becomes the code page's accented letter where it has
// one; characters the code page lacks become its default character. Linux: UTF-8, lone
// surrogates dropped. A null text gives an empty string.
std::string DriverTextToNarrow(const void* text, uint32_t byteCount);

// Qt's UTF-16 to narrow text and back, the same conversions as above.
std::string ToNarrow(const QString& text);
QString FromNarrow(std::string_view text);

} // namespace ampora
