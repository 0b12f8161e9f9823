#pragma once
// Battery-data file bytes assembled by hand, independent of the writer, and the damaged files
// every reader of them must refuse: the reader's own tests and the command line's.
#include "platform/DriverValues.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace ampora {

// Little-endian file bytes assembled by hand, independent of the writer.
class Bytes {
public:
    Bytes& I32(int32_t v)
    {
        const auto u = static_cast<uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            m_bytes.push_back(static_cast<char>((u >> shift) & 0xFF));
        return *this;
    }
    Bytes& Text(const std::string& s)
    {
        I32(static_cast<int32_t>(s.size()));
        m_bytes.append(s);
        return *this;
    }
    Bytes& Raw(const std::string& s)
    {
        m_bytes.append(s);
        return *this;
    }
    Bytes& Cut(std::size_t n)
    {
        m_bytes.resize(m_bytes.size() - n);
        return *this;
    }
    const std::string& Str() const { return m_bytes; }

private:
    std::string m_bytes;
};

// The image of Battery(name, base) as the file holds it.
inline Bytes& AppendBatteryImage(Bytes& b, const std::string& name, int32_t base)
{
    b.Text(name).Text("Maker").Text("SN-" + std::to_string(base)).Text("").Text("Lithium Ion");
    b.I32(base + 1).I32(base + 2).I32(base + 3).I32(base + 4).I32(base + 5).I32(base + 6);
    b.I32(1).I32(base + 8).I32(kUnknownRate).I32(BATTERY_DISCHARGING).I32(base + 11).I32(base + 12);
    return b;
}

struct DamagedCase {
    const char* name;
    std::string bytes;
    bool pastEnd;       // the first line: past its end, or damaged
    const char* detail; // the second line
};

inline void PrintTo(const DamagedCase& c, std::ostream* os)
{
    *os << c.name;
}

inline std::string Header(int32_t batteries)
{
    return Bytes().I32(100).I32(batteries).Str();
}

inline std::string OneBattery()
{
    Bytes b;
    b.Raw(Header(1));
    return AppendBatteryImage(b, "BAT0", 1000).Str();
}

inline std::vector<DamagedCase> DamagedFiles()
{
    return {
        {"Empty", "", true, "While reading the format number."},
        {"InsideFormatNumber", "\x64\x00", true, "While reading the format number."},
        {"NoBatteryCount", Bytes().I32(100).Str(), true, "While reading the battery count."},
        {"NegativeBatteryCount", Bytes().I32(100).I32(-1).I32(0).I32(0).I32(0).Str(), false,
         "The battery count is negative (-1)."},
        {"HugeBatteryCount", Bytes().I32(100).I32(INT32_MAX).I32(0).I32(0).I32(0).Str(), false,
         "The file claims 2147483647 batteries but has room for at most 0."},
        {"NegativeTextLength", Bytes().Raw(Header(1)).I32(-5).Raw(std::string(100, 'a')).Str(), false,
         "The device name of battery 1 is -5 bytes long; at most 259 are allowed."},
        {"TextTooLong", Bytes().Raw(Header(1)).Text(std::string(260, 'a')).Raw(std::string(100, 'a')).Str(),
         false, "The device name of battery 1 is 260 bytes long; at most 259 are allowed."},
        {"EndsInsideText",
         Bytes().Raw(Header(1)).Text("BAT0").Text("Maker").Text("SN").Text("").I32(100).Raw(std::string(60, 'c')).Str(),
         true, "While reading the chemistry of battery 1."},
        {"EndsInsideTextLength", Bytes().Raw(Header(1)).Text(std::string(80, 'd')).Raw(std::string("\x05\x00", 2)).Str(),
         true, "While reading the manufacturer of battery 1."},
        {"EndsInsideBatteryNumbers", Bytes().Raw(OneBattery()).Cut(2).Str(), true, "While reading battery 1."},
        {"SecondBatteryMissing",
         Bytes().I32(100).I32(2).Raw(OneBattery().substr(8)).Raw(std::string(60, '\0')).Str(), true,
         "While reading battery 2."},
        {"NoRunLength", OneBattery(), true, "While reading the run length."},
        {"NoSampleCount", Bytes().Raw(OneBattery()).I32(900).Str(), true, "While reading the sample count."},
        {"NoTickCount", Bytes().Raw(OneBattery()).I32(900).I32(0).Str(), true, "While reading the tick count."},
        {"NegativeSampleCount", Bytes().Raw(OneBattery()).I32(900).I32(-3).I32(900).Str(), false,
         "The sample count is negative (-3)."},
    };
}

} // namespace ampora
