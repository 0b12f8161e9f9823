#pragma once
// Reading the power-supply class: what the kernel said, unparsed. The conversion into the
// driver's structures lives in SysfsConvert.h and never touches the file system.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ampora {

// The readable attributes of one supply folder, by file name, exactly as read.
struct SupplyAttributes {
    std::string name;                          // folder name, e.g. "BAT0"
    std::map<std::string, std::string, std::less<>> values;

    const std::string* Find(std::string_view attribute) const
    {
        const auto it = values.find(attribute);
        return it == values.end() ? nullptr : &it->second;
    }
};

// Larger attribute files are not what the kernel writes: they count as unreadable.
constexpr std::size_t kMaxAttributeBytes = 4096;

// The contents of <folder>/<name>; nullopt when the file is missing, fails on read (the
// kernel answers ENODEV for values the firmware does not know), is empty, or is larger
// than kMaxAttributeBytes.
std::optional<std::string> ReadAttribute(const std::string& folder, const std::string& name);

// Every attribute the conversion looks at, read from one supply folder. A folder that is
// gone gives no values.
SupplyAttributes ReadSupply(const std::string& folder);

// <root>/class/power_supply
std::string PowerSupplyFolder(const std::string& root);

// The entries of <root>/class/power_supply as folder paths, in name order; nullopt when
// that folder cannot be listed.
std::optional<std::vector<std::string>> ListSupplyFolders(const std::string& root);

// ReadSupply of every entry, in name order; nullopt when the folder cannot be listed.
std::optional<std::vector<SupplyAttributes>> ReadAllSupplies(const std::string& root);

} // namespace ampora
