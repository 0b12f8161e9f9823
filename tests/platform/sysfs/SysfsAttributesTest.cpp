// The raw attribute reader: what the kernel said, or nothing.
#include "platform/sysfs/SysfsAttributes.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace ampora {
namespace {

class SysfsAttributesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    std::string Path() const { return dir.path().toStdString(); }
    void Write(const std::string& name, const std::string& contents) const
    {
        std::ofstream(Path() + "/" + name, std::ios::binary) << contents;
    }

    QTemporaryDir dir;
};

TEST_F(SysfsAttributesTest, ReadsWhatTheFileHolds)
{
    Write("status", "Discharging\n");
    EXPECT_EQ(ReadAttribute(Path(), "status"), "Discharging\n");
    Write("exact", std::string(kMaxAttributeBytes, '7'));
    EXPECT_EQ(ReadAttribute(Path(), "exact")->size(), kMaxAttributeBytes);
}

TEST_F(SysfsAttributesTest, MissingEmptyOversizedOrUnreadableIsNothing)
{
    Write("empty", "");
    Write("oversized", std::string(kMaxAttributeBytes + 1, '7'));
    std::filesystem::create_directory(Path() + "/folder"); // opens, then fails on read
    EXPECT_EQ(ReadAttribute(Path(), "missing"), std::nullopt);
    EXPECT_EQ(ReadAttribute(Path(), "empty"), std::nullopt);
    EXPECT_EQ(ReadAttribute(Path(), "oversized"), std::nullopt);
    EXPECT_EQ(ReadAttribute(Path(), "folder"), std::nullopt);
}

TEST_F(SysfsAttributesTest, SupplyReadsEachAttributeOnceWhenFirstAskedFor)
{
    Write("type", "Battery\n");
    const SupplyAttributes supply = ReadSupply(Path());
    EXPECT_EQ(supply.name, dir.path().section('/', -1).toStdString());
    EXPECT_TRUE(supply.values.empty()) << "nothing is read before it is asked for";
    ASSERT_NE(supply.Find("type"), nullptr);
    Write("type", "Mains\n");
    Write("online", "1\n");
    EXPECT_EQ(*supply.Find("type"), "Battery\n") << "a second ask reads nothing";
    EXPECT_EQ(supply.Find("status"), nullptr);
    Write("status", "Full\n");
    EXPECT_EQ(supply.Find("status"), nullptr) << "a missing attribute is not looked for again";
    EXPECT_EQ(ReadSupply(Path() + "/gone").Find("type"), nullptr);
}

TEST_F(SysfsAttributesTest, ListsSupplyFoldersInNameOrder)
{
    const std::string folder = PowerSupplyFolder(Path());
    for (const char* name : {"BAT1", "AC", "BAT0"})
        std::filesystem::create_directories(folder + "/" + name);
    std::ofstream(folder + "/not-a-folder") << "x";
    EXPECT_EQ(ListSupplyFolders(Path()),
              (std::vector<std::string>{folder + "/AC", folder + "/BAT0", folder + "/BAT1"}));
    EXPECT_EQ(ListSupplyFolders(Path() + "/nothing"), std::nullopt);
}

} // namespace
} // namespace ampora
