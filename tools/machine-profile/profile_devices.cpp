// Directives for PCI functions, I/O ports, the BIOS driver's answers and failure switches.
#include <algorithm>

#include "sim_profile_format.h"
#include "profile_directives.h"

namespace veltra::profile {
namespace {

std::uint32_t HexPart(const std::string& text, std::uint32_t max, const char* what) {
    return ParseNumberUpTo({"0x" + text, false}, max, what);
}

// "BB:DD.F" in hexadecimal, as lspci writes it.
std::uint32_t PciAddress(const Token& token) {
    const std::string& text = token.text;
    const std::size_t colon = text.find(':'), dot = text.find('.');
    if (token.quoted || colon == std::string::npos || dot == std::string::npos || dot < colon)
        throw ProfileError("bad PCI location '" + text + "' (bus:device.function in hex)");
    const std::uint32_t bus = HexPart(text.substr(0, colon), 0xFF, "PCI bus");
    const std::uint32_t device = HexPart(text.substr(colon + 1, dot - colon - 1), 0x1F, "PCI device");
    const std::uint32_t function = HexPart(text.substr(dot + 1), 7, "PCI function");
    return bus * 256 + device * 8 + function;
}

void PutDword(std::array<std::uint8_t, 256>& config, std::uint32_t offset, std::uint32_t value) {
    for (unsigned i = 0; i < 4; ++i) config[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::array<std::uint8_t, 256>& DefinedFunction(MachineProfile& profile, const Token& location) {
    const auto found = profile.pci.find(PciAddress(location));
    if (found == profile.pci.end()) throw ProfileError("PCI function " + location.text + " has no 'pci' line before");
    return found->second;
}

void AddFunction(MachineProfile& profile, const Args& args) {
    const std::uint32_t address = PciAddress(args[0]);
    if (profile.pci.count(address)) throw ProfileError("PCI function " + args[0].text + " defined twice");
    std::array<std::uint8_t, 256> config{};
    const std::uint32_t vendor = ParseNumberUpTo(args[1], 0xFFFF, "vendor id");
    const std::uint32_t device = ParseNumberUpTo(args[2], 0xFFFF, "device id");
    const std::uint32_t classCode = ParseNumberUpTo(args[3], 0xFFFFFF, "class code");
    const std::uint32_t revision = args.size() > 4 ? ParseNumberUpTo(args[4], 0xFF, "revision") : 0;
    PutDword(config, 0x00, vendor | device << 16);
    PutDword(config, 0x08, classCode << 8 | revision);
    profile.pci[address] = config;
}

void SetSubsystem(MachineProfile& profile, const Args& args) {
    auto& config = DefinedFunction(profile, args[0]);
    const std::uint32_t vendor = ParseNumberUpTo(args[1], 0xFFFF, "subsystem vendor id");
    const std::uint32_t device = ParseNumberUpTo(args[2], 0xFFFF, "subsystem id");
    PutDword(config, 0x2C, vendor | device << 16);
}

void SetConfigDword(MachineProfile& profile, const Args& args) {
    auto& config = DefinedFunction(profile, args[0]);
    const std::uint32_t offset = ParseNumberUpTo(args[1], 0xFC, "register offset");
    if (offset % 4 != 0) throw ProfileError("register offset '" + args[1].text + "' is not a multiple of 4");
    PutDword(config, offset, ParseNumber(args[2], "value"));
}

// Header layout 1 at 0x0E (the multi-function bit of a "pci-dword" line before is kept) and
// the bus numbers at 0x18: primary (this function's bus), secondary, subordinate.
void SetBridge(MachineProfile& profile, const Args& args) {
    auto& config = DefinedFunction(profile, args[0]);
    const std::uint32_t bus = PciAddress(args[0]) / 256;
    const std::uint32_t secondary = ParseNumberUpTo(args[1], 0xFF, "secondary bus");
    const std::uint32_t subordinate = ParseNumberUpTo(args[2], 0xFF, "subordinate bus");
    if (secondary <= bus || subordinate < secondary)
        throw ProfileError("bridge buses must satisfy bus < secondary <= subordinate");
    config[0x0E] = static_cast<std::uint8_t>((config[0x0E] & 0x80) | 0x01);
    PutDword(config, 0x18, bus | secondary << 8 | subordinate << 16);
}

std::uint32_t DriverId(const Token& token) {
    if (token.text == "porvik") return SIM_DRIVER_PORVIK;
    if (token.text == "norvabios") return SIM_DRIVER_NORVABIOS;
    throw ProfileError("unknown driver '" + token.text + "' (porvik or norvabios)");
}

std::string QuotedText(const Token& token, std::size_t max, const char* what) {
    if (!token.quoted) throw ProfileError(std::string(what) + " must be quoted");
    if (token.text.size() > max)
        throw ProfileError(std::string(what) + " longer than " + std::to_string(max) + " bytes");
    return token.text;
}

std::array<std::uint8_t, 1028>& BiosInfo(MachineProfile& profile) {
    if (!profile.biosInfo) profile.biosInfo.emplace();
    return *profile.biosInfo;
}

void SetBiosInfoString(MachineProfile& profile, const Args& args) {
    const std::uint32_t index = ParseNumberUpTo(args[0], 3, "string index");
    const std::string text = QuotedText(args[1], 255, "BIOS information string");
    auto& record = BiosInfo(profile);
    std::fill_n(record.begin() + index * 256, 256, std::uint8_t{0});
    std::copy(text.begin(), text.end(), record.begin() + index * 256);
}

void SetBiosInfoValue(MachineProfile& profile, const Args& args) {
    const std::uint32_t value = ParseNumber(args[0], "value");
    auto& record = BiosInfo(profile);
    for (unsigned i = 0; i < 4; ++i) record[1024 + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void AddSwitch(MachineProfile& profile, const Args& args, std::uint32_t kind) {
    DriverSwitch entry{DriverId(args[0]), kind, 0, 0};
    if (kind != SIM_SWITCH_FAIL_START) entry.code = ParseNumber(args[1], "control code");
    if (kind == SIM_SWITCH_SHORT_REPLY) entry.bytes = ParseNumber(args[2], "byte count");
    profile.switches.push_back(entry);
}

}  // namespace

void AddDeviceDirectives(DirectiveTable& table) {
    table["pci"] = {4, 5, AddFunction};
    table["pci-subsystem"] = {3, 3, SetSubsystem};
    table["pci-dword"] = {3, 3, SetConfigDword};
    table["pci-bridge"] = {3, 3, SetBridge};
    table["port"] = {2, 2, [](MachineProfile& p, const Args& a) {
        p.ports[ParseNumberUpTo(a[0], 0xFFFF, "port")] = static_cast<std::uint8_t>(ParseNumberUpTo(a[1], 0xFF, "value"));
    }};
    table["smbus-host"] = {1, 1, [](MachineProfile& p, const Args& a) {
        p.smbusHost = ParseNumberUpTo(a[0], 0xFFF0, "SMBus base port");
    }};
    table["smbus-device"] = {3, 3, [](MachineProfile& p, const Args& a) {
        p.smbusDevices.push_back({ParseNumberUpTo(a[0], 0x7F, "SMBus address"), ParseNumberUpTo(a[1], 0xFF, "command"),
                                  ParseNumberUpTo(a[2], 0xFF, "value")});
    }};
    table["bios-ident"] = {1, 1, [](MachineProfile& p, const Args& a) {
        p.biosIdent = QuotedText(a[0], SIM_BIOS_IDENT_SIZE, "identification text");
    }};
    table["bios-info"] = {2, 2, SetBiosInfoString};
    table["bios-info-value"] = {1, 1, SetBiosInfoValue};
    table["fail-start"] = {1, 1, [](MachineProfile& p, const Args& a) { AddSwitch(p, a, SIM_SWITCH_FAIL_START); }};
    table["fail-request"] = {2, 2, [](MachineProfile& p, const Args& a) { AddSwitch(p, a, SIM_SWITCH_FAIL_REQUEST); }};
    table["short-reply"] = {3, 3, [](MachineProfile& p, const Args& a) { AddSwitch(p, a, SIM_SWITCH_SHORT_REPLY); }};
}

}  // namespace veltra::profile
