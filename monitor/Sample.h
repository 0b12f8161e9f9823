#pragma once
// One sample of a monitoring run and the append-only series that holds a run's samples.
#include "platform/PowerStatus.h"

#include <cstddef>
#include <cstdint>
#include <utility>
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
    int32_t batteryLifePercent = kUnknownStatusByte; // 0..100

    bool operator==(const Sample&) const = default;
};
static_assert(sizeof(Sample) == 36);

// What a series holds at one moment, as a value that differs whenever the samples may differ:
// every series gets an identity of its own, never reused in the process, at construction,
// copy, move, Clear and Swap; Append counts up within it. Equal revisions mean equal samples.
struct SeriesRevision {
    uint64_t identity = 0; // 0: no series
    uint64_t appends = 0;
    bool operator==(const SeriesRevision&) const = default;
};

// Samples in the order they were taken (or read). Only appended to, or cleared as a whole.
// Samples are held by value: a series of a million samples is one block of 36 MB.
class SampleSeries {
public:
    SampleSeries() = default;
    SampleSeries(const SampleSeries& other) : m_items(other.m_items) {}
    SampleSeries(SampleSeries&& other) noexcept : m_items(std::move(other.m_items)) { other.Renew(); }
    SampleSeries& operator=(const SampleSeries& other)
    {
        m_items = other.m_items;
        Renew();
        return *this;
    }
    SampleSeries& operator=(SampleSeries&& other) noexcept
    {
        m_items = std::move(other.m_items);
        Renew();
        other.Renew();
        return *this;
    }

    void Append(const Sample& s)
    {
        m_items.push_back(s);
        ++m_revision.appends;
    }
    void Clear()
    {
        m_items.clear();
        m_items.shrink_to_fit();
        Renew();
    }
    void Reserve(std::size_t n) { m_items.reserve(n); }
    std::size_t Size() const { return m_items.size(); }
    bool Empty() const { return m_items.empty(); }
    const Sample& operator[](std::size_t i) const { return m_items[i]; }
    const Sample& Back() const { return m_items.back(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }
    void Swap(SampleSeries& other) noexcept
    {
        m_items.swap(other.m_items);
        Renew();
        other.Renew();
    }
    SeriesRevision Revision() const { return m_revision; }

    // The samples alone; the revisions of two equal series differ.
    bool operator==(const SampleSeries& other) const { return m_items == other.m_items; }

private:
    static uint64_t NewIdentity();
    void Renew() { m_revision = {NewIdentity(), 0}; }

    std::vector<Sample> m_items;
    SeriesRevision m_revision{NewIdentity(), 0};
};

} // namespace ampora
