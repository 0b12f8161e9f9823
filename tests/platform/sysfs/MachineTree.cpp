#include "MachineTree.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ampora::test {
namespace {

namespace fs = std::filesystem;

const std::string kPrefix = "POWER_SUPPLY_";

bool IsKey(const std::string& key)
{
    if (key.empty())
        return false;
    for (const char c : key) {
        if (!std::isupper(static_cast<unsigned char>(c)) && !std::isdigit(static_cast<unsigned char>(c)) && c != '_')
            return false;
    }
    return true;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void Write(const fs::path& file, const std::string& contents)
{
    std::ofstream(file, std::ios::binary | std::ios::trunc) << contents;
}

// "../" once per folder of `path` (relative to the root).
std::string UpTo(const fs::path& path)
{
    std::string up;
    for (auto it = path.begin(); it != path.end(); ++it)
        up += "../";
    return up;
}

} // namespace

Machine ParseMachine(const std::string& file, std::string* error)
{
    Machine machine;
    std::ifstream in(std::string(AMPORA_FIXTURES) + "/machines/" + file);
    if (!in) {
        *error = file + ": cannot be opened";
        return machine;
    }
    std::string line;
    int number = 0;
    const auto fail = [&](const std::string& why) {
        *error = file + ":" + std::to_string(number) + ": " + why;
        return Machine{};
    };
    while (std::getline(in, line)) {
        ++number;
        if (number == 1) {
            if (line.rfind("# source: ", 0) != 0)
                return fail("the first line must name the source");
            machine.source = line.substr(10);
            continue;
        }
        if (line.empty() || line[0] == '#')
            continue;
        if (line.rfind("supply ", 0) == 0) {
            std::istringstream words(line.substr(7));
            MachineSupply supply;
            std::string rest;
            if (!(words >> supply.name >> supply.type >> supply.devicePath) || (words >> rest))
                return fail("a supply line is: supply <name> <type> <device path>");
            if (!supply.devicePath.ends_with("/power_supply/" + supply.name) || supply.devicePath.rfind("devices/", 0) != 0)
                return fail("the device path must be devices/.../power_supply/<name>");
            machine.supplies.push_back(std::move(supply));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos || !IsKey(line.substr(0, equals)))
            return fail("not a uevent line: " + line);
        if (machine.supplies.empty())
            return fail("a uevent line before the first supply");
        MachineSupply& supply = machine.supplies.back();
        const std::string key = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if ((key == kPrefix + "NAME" && value != supply.name) || (key == kPrefix + "TYPE" && value != supply.type))
            return fail(key + " disagrees with the supply line");
        supply.uevent.emplace_back(key, value);
    }
    if (machine.source.empty() || machine.supplies.empty())
        return fail("no source or no supply");
    error->clear();
    return machine;
}

bool BuildMachineTree(const std::string& root, const std::vector<std::string>& files, std::string* error)
{
    std::error_code ec;
    const fs::path classFolder = fs::path(root) / "class" / "power_supply";
    fs::create_directories(classFolder, ec);
    int hwmon = 0;
    for (const std::string& file : files) {
        const Machine machine = ParseMachine(file, error);
        if (!error->empty())
            return false;
        for (const MachineSupply& supply : machine.supplies) {
            const fs::path relative(supply.devicePath);
            const fs::path folder = fs::path(root) / relative;
            fs::create_directories(folder / "power", ec);
            std::string uevent;
            for (const auto& [key, value] : supply.uevent) {
                uevent += key + "=" + value + "\n";
                if (key.rfind(kPrefix, 0) == 0 && key != kPrefix + "NAME")
                    Write(folder / Lower(key.substr(kPrefix.size())), value + "\n");
            }
            Write(folder / "type", supply.type + "\n");
            Write(folder / "uevent", uevent);
            Write(folder / "power" / "control", "auto\n");
            Write(folder / "power" / "runtime_status", "unsupported\n");
            // devices/.../<device>/power_supply/<name>: the device is two folders up.
            fs::create_directory_symlink("../..", folder / "device", ec);
            fs::create_directory_symlink(UpTo(relative) + "class/power_supply", folder / "subsystem", ec);
            if (supply.type == "Battery") {
                const fs::path hwmonFolder = folder / ("hwmon" + std::to_string(++hwmon));
                fs::create_directories(hwmonFolder / "power", ec);
                Write(hwmonFolder / "name", supply.name + "\n");
                fs::create_directory_symlink("../", hwmonFolder / "device", ec);
            }
            fs::create_directory_symlink("../../" + supply.devicePath, classFolder / supply.name, ec);
            if (ec) {
                *error = file + ": " + supply.name + ": " + ec.message();
                return false;
            }
        }
    }
    return true;
}

} // namespace ampora::test
