#pragma once
// The battery driver's texts: UTF-16LE bytes, usually ending in a NUL that the byte count
// includes. The other side here is UTF-8, the narrow text of Linux (platform/NarrowText.h
// converts for the platform). Both directions drop what cannot be encoded rather than
// passing it on.
#include <cstdint>
#include <string>
#include <string_view>

namespace ampora {

// UTF-8 to driver bytes: UTF-16LE with a terminating NUL unit (counted in size()).
// Bytes that are not valid UTF-8 (stray continuation bytes, overlong forms, surrogates,
// code points above U+10FFFF, truncated sequences) are dropped.
std::string Utf8ToDriverText(std::string_view utf8);

// The same text with every byte that is not part of valid UTF-8 dropped.
std::string DropInvalidUtf8(std::string_view utf8);

// Driver bytes to UTF-8: byteCount / 2 units (an odd last byte is ignored), cut at the
// first NUL unit; lone surrogates are dropped. A null text gives an empty string.
std::string DriverTextToUtf8(const void* text, uint32_t byteCount);

// The same driver bytes (an odd last byte dropped) with every control character (U+0000 to
// U+001F before the first NUL unit, U+007F to U+009F) replaced by "?", as other characters
// that cannot be shown are: no driver text carries a line break or a terminal escape into the
// log, a saved run or a dialog.
std::string ReplaceControlUnits(const void* text, uint32_t byteCount);

} // namespace ampora
