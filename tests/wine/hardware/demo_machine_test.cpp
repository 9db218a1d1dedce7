// The bundled demo PC as the simulated driver serves it: the identity its profile documents
// (and other developers' catalogues rely on), read with raw requests as the program's
// readers will read it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "support/sim_machine.h"

namespace veltra::winetest {
namespace {

constexpr DWORD kReadMemory = 0xC3506104;
constexpr DWORD kReadPciConfig = 0xC3506144;

std::uint32_t ReadPci(const SimDevice& device, std::uint32_t bus, std::uint32_t slot, std::uint32_t function,
                      std::uint32_t offset) {
    std::vector<std::uint8_t> input;
    AppendU32(input, bus * 256 + slot * 8 + function);
    AppendU32(input, offset);
    const ControlResult result = device.Control(kReadPciConfig, input, 4);
    return result.ok ? U32At(result.output, 0) : 0xFFFFFFFFu;
}

std::vector<std::uint8_t> ReadMemory(const SimDevice& device, std::uint32_t address, std::uint32_t count) {
    std::vector<std::uint8_t> input;
    for (std::uint32_t value : {address, 0u, 1u, count}) AppendU32(input, value);
    const ControlResult result = device.Control(kReadMemory, input, count);
    return result.ok && result.bytesReturned == count ? result.output : std::vector<std::uint8_t>{};
}

// The addresses where a text starts inside a window read in 256-byte blocks.
std::vector<std::uint32_t> FindText(const SimDevice& device, std::uint32_t from, std::uint32_t to,
                                    const std::string& text) {
    std::vector<std::uint32_t> found;
    for (std::uint32_t block = from; block < to; block += 256) {
        const std::vector<std::uint8_t> bytes = ReadMemory(device, block, 256);
        const std::string data(bytes.begin(), bytes.end());
        for (std::size_t at = data.find(text); at != std::string::npos; at = data.find(text, at + 1))
            found.push_back(block + static_cast<std::uint32_t>(at));
    }
    return found;
}

std::vector<std::string> ScanPciIdsOfInterest(const SimDevice& device) {
    const std::uint32_t classes[] = {0x0180, 0x0104, 0x0101, 0x0200, 0x0C05, 0x0403, 0x0300};
    std::vector<std::string> ids;
    for (std::uint32_t bus = 0; bus <= 16; ++bus)
        for (std::uint32_t slot = 0; slot < 32; ++slot)
            for (std::uint32_t function = 0; function < 8; ++function) {
                const std::uint32_t classValue = ReadPci(device, bus, slot, function, 8);
                if (classValue == 0xFFFFFFFFu || std::find(std::begin(classes), std::end(classes), classValue >> 16) ==
                                                      std::end(classes))
                    continue;
                const std::uint32_t id = ReadPci(device, bus, slot, function, 0);
                char text[24];
                std::snprintf(text, sizeof text, "VEN_%04X&DEV_%04X", id & 0xFFFF, id >> 16);
                if (std::find(ids.begin(), ids.end(), text) == ids.end()) ids.push_back(text);
            }
    return ids;
}

TEST(DemoMachine, DemoPcServesTheIdentityItsProfileDocuments) {
    RemoveSimService(SimDriver::Porvik);
    SimMachineFolder folder(L"demo-pc");
    SimDriverService service(SimDriver::Porvik, folder.DriverPath(SimDriver::Porvik));
    ASSERT_TRUE(service.Start()) << service.StartError();
    SimDevice device(SimDriver::Porvik);
    ASSERT_TRUE(device.IsOpen());

    EXPECT_EQ(ScanPciIdsOfInterest(device),
              std::vector<std::string>({"VEN_1F3C&DEV_2A10", "VEN_1F3C&DEV_2A22", "VEN_1F3C&DEV_2A40",
                                        "VEN_1E7B&DEV_5A68", "VEN_10DE&DEV_0E9D", "VEN_1F3C&DEV_2A82",
                                        "VEN_1F3C&DEV_2A83"}));
    EXPECT_EQ(ReadPci(device, 2, 0, 0, 0x2C) & 0xFFFF, 0xF157u);  // built by the board maker

    const std::vector<std::uint32_t> anchors = FindText(device, 0xF0000, 0xFFFFF, "_DMI_");
    ASSERT_EQ(anchors, std::vector<std::uint32_t>({0xF0A30}));
    const std::uint32_t table = U32At(ReadMemory(device, anchors[0] + 8, 4), 0);
    EXPECT_EQ(table, 0xF1000u);
    EXPECT_EQ(ReadMemory(device, table + 0x14, 1), std::vector<std::uint8_t>({1}));  // major release: DMI test false

    const std::vector<std::uint32_t> banners = FindText(device, 0xC0000, 0xCFFFF, "NORVA");
    ASSERT_FALSE(banners.empty());
    const std::vector<std::uint8_t> rom = ReadMemory(device, banners[0], 256);
    EXPECT_EQ(std::string(rom.begin(), rom.begin() + 21), "NORVA7600 QB.7600-512");
    const std::vector<std::uint32_t> versions = FindText(device, 0xC0000, 0xCFFFF, "Version");
    ASSERT_FALSE(versions.empty());
    const std::vector<std::uint8_t> banner = ReadMemory(device, versions[0], 23);
    EXPECT_EQ(std::string(banner.begin(), banner.end()), "Version 62.94.1A.00.07 ");
}

}  // namespace
}  // namespace veltra::winetest
