#pragma once
// Reading the power-supply class: what the kernel said, unparsed. The conversion into the
// driver's structures lives in SysfsConvert.h and never touches the file system.
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace ampora {

// The attributes of one supply folder, by file name, exactly as read. With a folder set, an
// attribute is read from it the first time it is asked for and kept, so whatever asks, each
// file is read at most once and a file nobody asks for is never opened: a peripheral's
// attributes ask the device itself and can block.
struct SupplyAttributes {
    std::string name;                          // folder name, e.g. "BAT0"
    mutable std::map<std::string, std::string, std::less<>> values;
    std::string folder;                        // empty: `values` is all there is
    mutable std::set<std::string, std::less<>> unreadable;

    const std::string* Find(std::string_view attribute) const;
};

// Larger attribute files are not what the kernel writes: they count as unreadable.
constexpr std::size_t kMaxAttributeBytes = 4096;

// The contents of <folder>/<name>; nullopt when the file is missing, is not a regular file (a
// FIFO, socket or device: opened without blocking and never read), fails on read (the kernel
// answers ENODEV for values the firmware does not know), is empty, or is larger than
// kMaxAttributeBytes.
std::optional<std::string> ReadAttribute(const std::string& folder, const std::string& name);

// One supply folder, read lazily (nothing is read yet).
SupplyAttributes ReadSupply(const std::string& folder);

// <root>/class/power_supply
std::string PowerSupplyFolder(const std::string& root);

// The entries of <root>/class/power_supply as folder paths, in name order; nullopt when
// that folder cannot be listed.
std::optional<std::vector<std::string>> ListSupplyFolders(const std::string& root);

// ReadSupply of every entry, in name order; nullopt when the folder cannot be listed.
std::optional<std::vector<SupplyAttributes>> ReadAllSupplies(const std::string& root);

// One reading of the power-supply tree: the listing, and each supply's attributes as they
// are first asked for. Shared by everything one sample asks, so nothing is read twice.
struct SupplySnapshot {
    bool listed = false;                       // false: the folder could not be listed
    std::vector<SupplyAttributes> supplies;    // in name order

    const SupplyAttributes* FindFolder(const std::string& folder) const;
};

std::shared_ptr<const SupplySnapshot> TakeSnapshot(const std::string& root);

} // namespace ampora
