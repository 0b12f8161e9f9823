#pragma once
// Compares a battery record with the expected one field by field, so a failure names the
// field and shows both values instead of two blocks of raw bytes.
#include "battery/BatteryRecord.h"

#include <gtest/gtest.h>

namespace ampora::test {

inline void ExpectRecord(const BatteryRecord& actual, const BatteryRecord& expected)
{
#define AMPORA_EXPECT_FIELD(field) EXPECT_EQ(actual.field, expected.field) << #field
    AMPORA_EXPECT_FIELD(deviceName);
    AMPORA_EXPECT_FIELD(manufacturer);
    AMPORA_EXPECT_FIELD(serialNumber);
    AMPORA_EXPECT_FIELD(uniqueId);
    AMPORA_EXPECT_FIELD(chemistry);
    AMPORA_EXPECT_FIELD(designedCapacity);
    AMPORA_EXPECT_FIELD(fullChargedCapacity);
    AMPORA_EXPECT_FIELD(remainingCapacity);
    AMPORA_EXPECT_FIELD(voltage);
    AMPORA_EXPECT_FIELD(criticalBias);
    AMPORA_EXPECT_FIELD(cycleCount);
    AMPORA_EXPECT_FIELD(technology);
    AMPORA_EXPECT_FIELD(temperature);
    AMPORA_EXPECT_FIELD(estimatedTime);
    AMPORA_EXPECT_FIELD(rate);
    AMPORA_EXPECT_FIELD(powerState);
    AMPORA_EXPECT_FIELD(defaultAlert1);
    AMPORA_EXPECT_FIELD(defaultAlert2);
    AMPORA_EXPECT_FIELD(manufactureDay);
    AMPORA_EXPECT_FIELD(manufactureMonth);
    AMPORA_EXPECT_FIELD(manufactureYear);
#undef AMPORA_EXPECT_FIELD
    // The whole record too, so a field added to the struct and not above still fails here.
    EXPECT_TRUE(actual == expected) << "the records differ in a field not listed above";
}

} // namespace ampora::test
