#pragma once
// One sample of a monitoring run and the append-only series that holds a run's samples.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ampora {

// Nine int32 in this order; the order and widths are the 36-byte sample image of the
// .apd file (little-endian).
struct Sample {
    int32_t tick = 0;                 // seconds since Start
    int32_t designedCapacity = 0;     // mWh, sum over batteries
    int32_t fullChargedCapacity = 0;  // mWh
    int32_t reserved = 0;             // always 0 when made here; ignored when read
    int32_t remainingCapacity = 0;    // mWh
    int32_t voltage = 0;              // mV
    int32_t batteryLifeTime = -1;     // seconds, -1 unknown
    int32_t batteryFullLifeTime = -1; // seconds, -1 unknown
    int32_t batteryLifePercent = 255; // 0..100, 255 unknown

    bool operator==(const Sample&) const = default;
};
static_assert(sizeof(Sample) == 36);

// Samples in the order they were taken (or read). Only appended to, or cleared as a whole.
// Samples are held by value: a series of a million samples is one block of 36 MB.
class SampleSeries {
public:
    void Append(const Sample& s) { m_items.push_back(s); }
    void Clear() { m_items.clear(); m_items.shrink_to_fit(); }
    void Reserve(std::size_t n) { m_items.reserve(n); }
    std::size_t Size() const { return m_items.size(); }
    bool Empty() const { return m_items.empty(); }
    const Sample& operator[](std::size_t i) const { return m_items[i]; }
    const Sample& Back() const { return m_items.back(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }
    void Swap(SampleSeries& other) noexcept { m_items.swap(other.m_items); }

    bool operator==(const SampleSeries&) const = default;

private:
    std::vector<Sample> m_items;
};

} // namespace ampora
