#include "platform/sysfs/SysfsAttributes.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace ampora {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

} // namespace

std::optional<std::string> ReadAttribute(const std::string& folder, const std::string& name)
{
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen((folder + "/" + name).c_str(), "rb"));
    if (!file)
        return std::nullopt;
    // Unbuffered, the text is read straight into `text`: no stream buffer to allocate and size.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    // One byte more than allowed tells an oversized file from one that fits exactly.
    std::string text(kMaxAttributeBytes + 1, '\0');
    const std::size_t got = std::fread(text.data(), 1, text.size(), file.get());
    if (std::ferror(file.get()) || got == 0 || got > kMaxAttributeBytes)
        return std::nullopt;
    text.resize(got);
    return text;
}

const std::string* SupplyAttributes::Find(std::string_view attribute) const
{
    if (const auto it = values.find(attribute); it != values.end())
        return &it->second;
    if (folder.empty() || unreadable.contains(attribute))
        return nullptr;
    std::optional<std::string> value = ReadAttribute(folder, std::string(attribute));
    if (!value) {
        unreadable.emplace(attribute);
        return nullptr;
    }
    return &values.emplace(std::string(attribute), std::move(*value)).first->second;
}

SupplyAttributes ReadSupply(const std::string& folder)
{
    SupplyAttributes supply;
    supply.name = std::filesystem::path(folder).filename().string();
    supply.folder = folder;
    return supply;
}

std::string PowerSupplyFolder(const std::string& root)
{
    return root + "/class/power_supply";
}

std::optional<std::vector<std::string>> ListSupplyFolders(const std::string& root)
{
    std::error_code error;
    std::filesystem::directory_iterator it(PowerSupplyFolder(root), error);
    if (error)
        return std::nullopt;
    std::vector<std::string> names;
    for (; it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (error)
            break;
        // In /sys the entries are links to the device folders; is_directory follows them.
        if (it->is_directory(error))
            names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> folders;
    for (const std::string& name : names)
        folders.push_back(PowerSupplyFolder(root) + "/" + name);
    return folders;
}

std::optional<std::vector<SupplyAttributes>> ReadAllSupplies(const std::string& root)
{
    const std::optional<std::vector<std::string>> folders = ListSupplyFolders(root);
    if (!folders)
        return std::nullopt;
    std::vector<SupplyAttributes> supplies;
    for (const std::string& folder : *folders)
        supplies.push_back(ReadSupply(folder));
    return supplies;
}

const SupplyAttributes* SupplySnapshot::FindFolder(const std::string& folder) const
{
    for (const SupplyAttributes& supply : supplies) {
        if (supply.folder == folder)
            return &supply;
    }
    return nullptr;
}

std::shared_ptr<const SupplySnapshot> TakeSnapshot(const std::string& root)
{
    auto snapshot = std::make_shared<SupplySnapshot>();
    if (std::optional<std::vector<SupplyAttributes>> supplies = ReadAllSupplies(root)) {
        snapshot->listed = true;
        snapshot->supplies = std::move(*supplies);
    }
    return snapshot;
}

} // namespace ampora
