// Driver texts both ways, and the chemistry table.
#include "battery/CBatteryCtrl.h"
#include "platform/DriverText.h"

#include "tests/TableRows.h"

#include <gtest/gtest.h>

namespace ampora {
namespace {

using namespace std::string_literals;

struct WideCase {
    const char* name;
    std::string bytes;
    uint32_t byteCount;
    std::string expected;
};

// The UTF-8 conversion of Linux' narrow texts (Windows' ANSI one is tested on Windows).
class WideToAnsiTest : public ::testing::TestWithParam<WideCase> {};

TEST_P(WideToAnsiTest, Converts)
{
    const WideCase& c = GetParam();
    EXPECT_EQ(DriverTextToUtf8(c.bytes.data(), c.byteCount), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WideToAnsiTest,
    ::testing::Values(
        WideCase{"OddLastByteIgnored", "A\0B\0C"s, 5, "AB"},
        WideCase{"CutAtFirstNul", "A\0\0\0B\0"s, 6, "A"},
        WideCase{"Empty", "\0\0"s, 2, ""},
        WideCase{"ZeroBytes", "A\0"s, 0, ""},
        WideCase{"TwoByteUtf8", "\xE9\0"s, 2, "\xC3\xA9"},
        WideCase{"ThreeByteUtf8", "\xAC\x20"s, 2, "\xE2\x82\xAC"},
        WideCase{"SurrogatePair", "\x3D\xD8\x0B\xDE"s, 4, "\xF0\x9F\x98\x8B"},
        WideCase{"LoneHighSurrogateDropped", "\x3D\xD8X\0"s, 4, "X"},
        WideCase{"LoneLowSurrogateDropped", "\x0B\xDEX\0"s, 4, "X"},
        WideCase{"HighSurrogateAtTheEndDropped", "X\0\x3D\xD8"s, 4, "X"},
        WideCase{"PairSplitByOddCountDropped", "\x3D\xD8\x0B\xDE"s, 3, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WideToAnsiTest, NullTextIsEmpty)
{
    EXPECT_EQ(CBatteryCtrl::WideToAnsi(nullptr, 20), "");
}

struct Utf8Case {
    const char* name;
    std::string utf8;
    std::string kept; // the text after invalid bytes are dropped
};

class Utf8ToDriverTextTest : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8ToDriverTextTest, DropsInvalidBytesAndRoundTrips)
{
    const Utf8Case& c = GetParam();
    EXPECT_EQ(DropInvalidUtf8(c.utf8), c.kept);
    const std::string bytes = Utf8ToDriverText(c.utf8);
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\0\0"s) << "the NUL is counted";
    EXPECT_EQ(DriverTextToUtf8(bytes.data(), static_cast<uint32_t>(bytes.size())), c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8ToDriverTextTest,
    ::testing::Values(
        Utf8Case{"Ascii", "BAT0", "BAT0"},
        Utf8Case{"Empty", "", ""},
        Utf8Case{"Multibyte", "Ünï €😋", "Ünï €😋"},
        Utf8Case{"StrayContinuation", "A\x80" "B", "AB"},
        Utf8Case{"InvalidLeadBytes", "A\xFF\xFE" "B", "AB"},
        Utf8Case{"Overlong", "A\xC0\x80" "B", "AB"},
        Utf8Case{"EncodedSurrogate", "A\xED\xA0\x80" "B", "AB"},
        Utf8Case{"AboveUnicode", "A\xF4\x90\x80\x80" "B", "AB"},
        Utf8Case{"Truncated", "A\xE2\x82", "A"},
        Utf8Case{"TruncatedBeforeValid", "\xE2\x82" "\xC3\xA9", "\xC3\xA9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Utf8ToDriverTextTest, LayoutIsUtf16LittleEndian)
{
    EXPECT_EQ(Utf8ToDriverText("A\xE2\x82\xAC"), "A\0\xAC\x20\0\0"s);
}

struct ChemistryCase {
    const char* name;
    std::string code; // four bytes
    std::string expected;
};

class ChemistryTest : public ::testing::TestWithParam<ChemistryCase> {};

TEST_P(ChemistryTest, LongName)
{
    ASSERT_EQ(GetParam().code.size(), 4u);
    EXPECT_EQ(ChemistryName(GetParam().code.data()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ChemistryTest,
    ::testing::Values(
        ChemistryCase{"LeadAcid", "PbAc", "Lead Acid"},
        ChemistryCase{"LithiumIon", "LION", "Lithium Ion"},
        ChemistryCase{"LithiumIridiumFromFourChars", "Li-I", "Lithium Iridium"},
        ChemistryCase{"NickelCadmium", "NiCd", "Nickel Cadmium"},
        ChemistryCase{"NickelMetalHydride", "NiMH", "Nickel Metal Hydride"},
        ChemistryCase{"NickelZinc", "NiZn", "Nickel Zinc"},
        ChemistryCase{"RamAnyFourth", "RAMx", "Rechargeable Alkaline-Manganese"},
        ChemistryCase{"RamNulFourth", "RAM\0"s, "Rechargeable Alkaline-Manganese"},
        ChemistryCase{"LowerCaseIsNoMatch", "lion", ""},
        ChemistryCase{"LowerCaseRamIsNoMatch", "ram ", ""},
        ChemistryCase{"ThreeOfFourIsNoMatch", "LIOx", ""},
        ChemistryCase{"Unknown", "ABCD", ""},
        ChemistryCase{"AllNul", "\0\0\0\0"s, ""},
        ChemistryCase{"LithiumPolymer", "LiPo", "Lithium Polymer"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ampora
