// ROM windows of arbitrary bytes: the DMI test and the signature search on the BIOS
// window, the video BIOS reader on the video window for each display vendor, and the three
// version cutters on the bytes as text; the bytes also as an SMBIOS structure table and an
// entry point. The first four bytes choose where a second copy of the BIOS window is
// served, so entry points may point at it, past it, or nowhere.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fakes/fake_wmi.h"
#include "fakes/model_machine.h"
#include "hardware/dmi.h"
#include "hardware/memory_search.h"
#include "hardware/pci_walk.h"
#include "hardware/vga_bios_banner.h"
#include "hardware/vga_bios_reader.h"
#include "platform/windows1252.h"
#include "sysinfo/wmi_query.h"

namespace {

using veltra::fakes::ModelMachine;

void CheckToken(std::string_view text, const std::string& version) {
    if (version.find(' ') != std::string::npos || text.find(version) == std::string_view::npos) __builtin_trap();
}

void CheckBanners(std::string_view text) {
    CheckToken(text, veltra::NvidiaVersionFromBanner(text));
    CheckToken(text, veltra::IntelVersionFromBanner(text));
    const std::string ati = veltra::AtiVersionFromBanner(text);
    if (ati.size() > text.size() || text.substr(text.size() - ati.size()) != ati) __builtin_trap();
}

// A release found is a byte of the table; an entry point is found only at its anchor.
void CheckSmbiosParsers(const std::vector<std::uint8_t>& bytes) {
    const std::optional<std::uint8_t> major = veltra::FindBiosMajorRelease(bytes);
    if (major && std::find(bytes.begin(), bytes.end(), *major) == bytes.end()) __builtin_trap();
    const bool anchored = bytes.size() >= 5 && (std::memcmp(bytes.data(), "_DMI_", 5) == 0 ||
                                                std::memcmp(bytes.data(), "_SM3_", 5) == 0);
    if (veltra::ParseSmbiosEntryPoint(bytes) && !anchored) __builtin_trap();
}

void CheckBiosWindow(std::uint32_t elsewhere, const std::vector<std::uint8_t>& bytes) {
    ModelMachine machine;
    machine.AddMemory(0xF0000, bytes);
    if (elsewhere != 0xF0000) machine.AddMemory(elsewhere, bytes);
    const std::optional<std::uint8_t> major = veltra::ReadDmiBiosMajorRelease(machine);
    if (veltra::IsDmiBiosMajorRelease4(machine) != (major == 4)) __builtin_trap();
    std::vector<std::u16string> matches;
    const int count = veltra::FindMemorySignature(machine, u"_DMI_", matches);
    if (count < 0 || static_cast<std::size_t>(count) != matches.size()) __builtin_trap();
    for (const std::u16string& match : matches) {
        const std::uint32_t address = veltra::HexToNumber(match);
        if (match.size() != 8 || address < 0xF0000 || address > 0xFFFFF) __builtin_trap();
    }
}

void CheckVideoWindow(const std::vector<std::uint8_t>& bytes) {
    veltra::fakes::FakeWmi wmi;
    veltra::CWmiQuery query(wmi);
    veltra::Windows1252CodePage codePage;
    constexpr std::uint16_t kVendors[] = {0x10DE, 0x8086, 0x1002};
    for (std::uint16_t vendor : kVendors) {
        ModelMachine machine;
        machine.AddMemory(0xC0000, bytes);
        machine.AddPciFunction(0, 2, 0, vendor, 0x1234, 0x0300);
        veltra::PciBus pci(machine);
        veltra::CVgaBiosReader reader(pci, [&query] { return query.GetVideoName(); }, codePage);
        reader.Run();
        if (reader.GetVgaBiosVersion().size() > 256) __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckBanners(std::string_view(reinterpret_cast<const char*>(data), size));
    if (size < 4) return 0;
    std::uint32_t elsewhere = 0;
    std::memcpy(&elsewhere, data, 4);
    const std::vector<std::uint8_t> window(data + 4, data + size);
    CheckSmbiosParsers(window);
    CheckBiosWindow(elsewhere, window);
    CheckVideoWindow(window);
    return 0;
}
