// Directives for physical memory: regions and what they hold.
#include <algorithm>
#include <cstdio>

#include "sim_profile_format.h"
#include "profile_directives.h"

namespace veltra::profile {
namespace {

constexpr std::uint64_t kMaxTotalMemory = 6u * 1024u * 1024u;  // keeps the compiled file under the drivers' limit

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

void AddRegion(MachineProfile& profile, const Args& args) {
    const std::uint64_t base = ParseNumber(args[0], "address");
    const std::uint64_t size = ParseNumber(args[1], "size");
    const auto fill = static_cast<std::uint8_t>(args.size() > 2 ? ParseNumberUpTo(args[2], 0xFF, "fill byte") : 0);
    if (size == 0) throw ProfileError("memory region of size 0");
    if (size > SIM_REGION_MAX_SIZE) throw ProfileError("memory region larger than 1 MiB");
    if (base + size > 0x100000000ull) throw ProfileError("memory region ends beyond 4 GiB");
    std::uint64_t total = size;
    for (const MemoryRegion& region : profile.memory) {
        const std::uint64_t end = region.base + region.bytes.size();
        if (base < end && region.base < base + size)
            throw ProfileError("memory region overlaps the region at " + Hex(region.base));
        total += region.bytes.size();
    }
    if (total > kMaxTotalMemory) throw ProfileError("memory regions larger than 6 MiB in all");
    profile.memory.push_back(
        {static_cast<std::uint32_t>(base), std::vector<std::uint8_t>(static_cast<std::size_t>(size), fill)});
}

void Store(MachineProfile& profile, std::uint32_t address, const std::vector<std::uint8_t>& bytes) {
    for (MemoryRegion& region : profile.memory) {
        const std::uint64_t end = region.base + region.bytes.size();
        if (address < region.base || address >= end) continue;
        if (address + bytes.size() > end) throw ProfileError("data at " + Hex(address) + " runs past its region's end");
        std::copy(bytes.begin(), bytes.end(), region.bytes.begin() + (address - region.base));
        return;
    }
    throw ProfileError("no memory region holds " + Hex(address));
}

void StoreBytes(MachineProfile& profile, const Args& args) {
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& text = args[i].text;
        if (args[i].quoted || text.size() != 2) throw ProfileError("bad byte '" + text + "' (two hex digits)");
        bytes.push_back(static_cast<std::uint8_t>(ParseNumber({"0x" + text, false}, "byte")));
    }
    Store(profile, ParseNumber(args[0], "address"), bytes);
}

void StoreText(MachineProfile& profile, const Args& args) {
    if (!args[1].quoted) throw ProfileError("text must be quoted");
    Store(profile, ParseNumber(args[0], "address"), std::vector<std::uint8_t>(args[1].text.begin(), args[1].text.end()));
}

void StoreNumber(MachineProfile& profile, const Args& args, unsigned width) {
    const std::uint32_t max = width == 4 ? 0xFFFFFFFFu : (1u << (8 * width)) - 1;
    const std::uint32_t value = ParseNumberUpTo(args[1], max, "value");
    std::vector<std::uint8_t> bytes;
    for (unsigned i = 0; i < width; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    Store(profile, ParseNumber(args[0], "address"), bytes);
}

void SetUnserved(MachineProfile& profile, const Args& args) {
    if (args[0].text != "ff" && args[0].text != "fail") throw ProfileError("unserved is 'ff' or 'fail'");
    profile.failUnservedMemory = args[0].text == "fail";
}

}  // namespace

void AddMemoryDirectives(DirectiveTable& table) {
    table["memory"] = {2, 3, AddRegion};
    table["bytes"] = {2, 4096, StoreBytes};
    table["text"] = {2, 2, StoreText};
    table["byte"] = {2, 2, [](MachineProfile& p, const Args& a) { StoreNumber(p, a, 1); }};
    table["word"] = {2, 2, [](MachineProfile& p, const Args& a) { StoreNumber(p, a, 2); }};
    table["dword"] = {2, 2, [](MachineProfile& p, const Args& a) { StoreNumber(p, a, 4); }};
    table["unserved"] = {1, 1, SetUnserved};
}

}  // namespace veltra::profile
