#include "platform/DriverText.h"

namespace ampora {
namespace {

void AppendUnit(std::string& out, char16_t unit)
{
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Decodes one UTF-8 sequence at s[i]; returns its length and sets *cp, or returns 0 when
// the sequence is invalid (the caller then drops one byte and tries again).
size_t DecodeUtf8(std::string_view s, size_t i, char32_t* cp)
{
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b0 = byte(i);
    size_t len;
    char32_t value;
    char32_t min;
    if (b0 < 0x80) {
        *cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2; value = b0 & 0x1F; min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3; value = b0 & 0x0F; min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4; value = b0 & 0x07; min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    if (value < min || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *cp = value;
    return len;
}

// The code points of the valid sequences, in order.
std::u32string ValidCodePoints(std::string_view utf8)
{
    std::u32string points;
    points.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        const size_t len = DecodeUtf8(utf8, i, &cp);
        if (len == 0) {
            ++i;
            continue;
        }
        points.push_back(cp);
        i += len;
    }
    return points;
}

} // namespace

std::string Utf8ToDriverText(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size() * 2 + 2);
    for (char32_t cp : ValidCodePoints(utf8)) {
        if (cp < 0x10000) {
            AppendUnit(out, static_cast<char16_t>(cp));
        } else {
            cp -= 0x10000;
            AppendUnit(out, static_cast<char16_t>(0xD800 | (cp >> 10)));
            AppendUnit(out, static_cast<char16_t>(0xDC00 | (cp & 0x3FF)));
        }
    }
    AppendUnit(out, 0);
    return out;
}

std::string DropInvalidUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (char32_t cp : ValidCodePoints(utf8))
        AppendUtf8(out, cp);
    return out;
}

std::string DriverTextToUtf8(const void* text, uint32_t byteCount)
{
    std::string out;
    if (!text)
        return out;
    const auto* bytes = static_cast<const unsigned char*>(text);
    const uint32_t units = byteCount / 2;
    const auto unitAt = [&](uint32_t k) {
        return static_cast<char16_t>(bytes[2 * k] | (bytes[2 * k + 1] << 8));
    };
    for (uint32_t k = 0; k < units; ++k) {
        const char16_t u = unitAt(k);
        if (u == 0)
            break;
        if (IsHighSurrogate(u)) {
            if (k + 1 < units && IsLowSurrogate(unitAt(k + 1))) {
                const char16_t low = unitAt(++k);
                AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(low) - 0xDC00));
            }
            continue;
        }
        if (IsLowSurrogate(u))
            continue;
        AppendUtf8(out, u);
    }
    return out;
}

std::string ReplaceControlUnits(const void* text, uint32_t byteCount)
{
    if (!text)
        return {};
    std::string out(static_cast<const char*>(text), byteCount / 2 * 2);
    for (std::size_t k = 0; k < out.size(); k += 2) {
        const auto unit = static_cast<char16_t>(static_cast<unsigned char>(out[k])
                                                | (static_cast<unsigned char>(out[k + 1]) << 8));
        if (unit == 0)
            break;
        if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) {
            out[k] = '?';
            out[k + 1] = '\0';
        }
    }
    return out;
}

} // namespace ampora
