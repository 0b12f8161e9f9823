#pragma once
// Real-machine readings (tests/fixtures/machines/*.txt) laid out as the kernel lays out /sys:
// class/power_supply/<name> is a relative link into devices/, and each supply folder holds,
// beside its attribute files, `uevent`, a `device` link, a `power/` folder, a `subsystem`
// link and (for batteries) a `hwmon1/` folder.
//
// A machine file, parsed strictly: the first line is "# source: ..."; then "#" comments,
// blank lines, "supply <name> <type> <device path below /sys>" (the path ends in
// "/power_supply/<name>"), and the supply's uevent lines KEY=VALUE. Every POWER_SUPPLY_<X>
// line but NAME becomes the attribute file <x>; POWER_SUPPLY_NAME and POWER_SUPPLY_TYPE must
// agree with the supply line.
#include <string>
#include <vector>

namespace ampora::test {

struct MachineSupply {
    std::string name;
    std::string type;
    std::string devicePath;
    std::vector<std::pair<std::string, std::string>> uevent; // in file order
};

struct Machine {
    std::string source;
    std::vector<MachineSupply> supplies;
};

// Parses tests/fixtures/machines/<file>; on a malformed file `error` says where.
Machine ParseMachine(const std::string& file, std::string* error);

// Writes the supplies of every machine file given into the tree at `root` (which stands for
// /sys); false with `error` set when a file is malformed or cannot be written.
bool BuildMachineTree(const std::string& root, const std::vector<std::string>& files, std::string* error);

} // namespace ampora::test
