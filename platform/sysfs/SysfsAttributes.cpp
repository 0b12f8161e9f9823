#include "platform/sysfs/SysfsAttributes.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ampora {
namespace {

#ifdef _WIN32
// The stand-in tree of the Windows build (the demo battery, the tests under Wine) holds no
// pipes that could block an open; anything but a regular file is still refused.
std::optional<std::string> ReadRegularFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::string text(kMaxAttributeBytes + 1, '\0');
    const std::size_t got = std::fread(text.data(), 1, text.size(), file);
    const bool failed = std::ferror(file);
    std::fclose(file);
    if (failed)
        return std::nullopt;
    text.resize(got);
    return text;
}
#else
// Opened without blocking (a FIFO's open would wait for a writer for good) and read only when
// it is a regular file, as every sysfs attribute is: a FIFO, socket or device is unreadable.
std::optional<std::string> ReadRegularFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    std::optional<std::string> text;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // One byte more than allowed tells an oversized file from one that fits exactly.
        text.emplace(kMaxAttributeBytes + 1, '\0');
        std::size_t got = 0;
        while (got < text->size()) {
            const ssize_t n = ::read(fd, text->data() + got, text->size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                text.reset();
                break;
            }
            if (n == 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        if (text)
            text->resize(got);
    }
    ::close(fd);
    return text;
}
#endif

} // namespace

std::optional<std::string> ReadAttribute(const std::string& folder, const std::string& name)
{
    std::optional<std::string> text = ReadRegularFile(folder + "/" + name);
    if (!text || text->empty() || text->size() > kMaxAttributeBytes)
        return std::nullopt;
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
