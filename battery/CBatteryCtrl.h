#pragma once
// Finds the batteries the driver exposes and reads them. Keeps nothing but the ordered list
// of device paths (position = battery number); every read opens the device anew, sends its
// requests and closes it, so nothing is cached between calls. No platform code here: all
// requests go through a BatteryDriver, which the caller owns and which outlives this object.
#include "platform/BatteryDriver.h"
#include "battery/BatteryRecord.h"

#include <string>
#include <vector>

namespace ampora {

class CBatteryCtrl {
public:
    explicit CBatteryCtrl(BatteryDriver* driver);
    virtual ~CBatteryCtrl();

    // Replaces the list with the path of every present battery that opens and answers the
    // tag request. The owner window (a native window handle, or null) goes to the driver's listing.
    virtual void Enumerate(void* ownerWindow = nullptr);

    // Number of listed paths; 0 before the first Enumerate.
    int GetBatteryCount() const;

    // Resets *record, then fills it from battery `number`. Null record: nothing happens.
    // A number not below the count, or a device that no longer opens, leaves the reset state.
    void GetBatteryRecord(BatteryRecord* record, unsigned number) const;

    // Zeroes *totals and adds every listed battery's figures; returns 0.
    // A rate of 0xFFFFFFFF adds neither the rate nor the remaining capacity. A rate of
    // kUnknownRate (0x80000000) adds the remaining capacity but not the rate; when no
    // battery adds a known rate and one reported kUnknownRate, the total rate is
    // kUnknownRate. A design capacity, full capacity or voltage that is unknown adds
    // nothing; a total to which no battery adds a known value but one reported an unknown
    // one is unknown (-1), not 0.
    // Sums saturate at the int32 limits instead of overflowing.
    int GetBatteryTotals(BatteryTotals* totals) const;

    // True when the device opens and answers the tag request.
    bool ProbeDevice(std::string path) const;

    // Converts a driver text (UTF-16LE, byteCount bytes; an odd last byte is ignored) to
    // this platform's narrow text (UTF-8 on Linux, the ANSI code page on Windows), cut at
    // the first NUL. Control characters become "?".
    static std::string WideToAnsi(const void* text, uint32_t byteCount);

    const std::vector<std::string>& DevicePaths() const { return m_devicePaths; }

private:
    BatteryDriver* m_driver;
    std::vector<std::string> m_devicePaths;
};

// Long chemistry name for a driver's four-character code, or empty when none matches.
std::string ChemistryName(const char code[4]);

} // namespace ampora
