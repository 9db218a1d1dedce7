// The simulated drivers through the real service manager and device I/O: every control
// code answered from the profile and logged byte for byte, and each failure switch.
#include <gtest/gtest.h>

#include "support/sim_machine.h"

namespace veltra::winetest {
namespace {

constexpr DWORD kQueryOpenCount = 0xC3502004;
constexpr DWORD kReadMemory = 0xC3506104;
constexpr DWORD kReadPciConfig = 0xC3506144;
constexpr DWORD kReadPortByte = 0xC35060CC;
constexpr DWORD kWritePortByte = 0xC350A0D8;
constexpr DWORD kIdentify = 0x222020;
constexpr DWORD kReadBiosInfo = 0x222014;

// Sends requests and remembers what the driver should have logged for each.
class RecordingDevice {
public:
    explicit RecordingDevice(SimDriver driver) : device_(driver) {}
    bool IsOpen() const { return device_.IsOpen(); }
    ControlResult Send(DWORD code, const std::vector<std::uint8_t>& input, DWORD outputSize) {
        expected_.push_back({code, static_cast<std::uint32_t>(input.size()), outputSize, input});
        return device_.Control(code, input, outputSize);
    }
    ControlResult ReadMemory(std::uint32_t address, std::uint32_t unitSize, std::uint32_t count, DWORD outputSize) {
        std::vector<std::uint8_t> input;
        for (std::uint32_t value : {address, 0u, unitSize, count}) AppendU32(input, value);
        return Send(kReadMemory, input, outputSize);
    }
    std::uint32_t ReadPci(std::uint32_t bus, std::uint32_t device, std::uint32_t function, std::uint32_t offset) {
        std::vector<std::uint8_t> input;
        AppendU32(input, bus * 256 + device * 8 + function);
        AppendU32(input, offset);
        const ControlResult result = Send(kReadPciConfig, input, 4);
        EXPECT_TRUE(result.ok && result.bytesReturned == 4) << result.error;
        return U32At(result.output, 0);
    }
    std::uint8_t ReadPort(std::uint16_t port) {
        const ControlResult result =
            Send(kReadPortByte, {static_cast<std::uint8_t>(port), static_cast<std::uint8_t>(port >> 8)}, 2);
        EXPECT_TRUE(result.ok && result.bytesReturned == 2) << result.error;
        return result.output[0];
    }
    bool WritePort(std::uint32_t port, std::uint8_t value) {
        std::vector<std::uint8_t> input;
        AppendU32(input, port);
        input.push_back(value);
        return Send(kWritePortByte, input, 0).ok;
    }
    const std::vector<SimRequest>& Expected() const { return expected_; }

private:
    SimDevice device_;
    std::vector<SimRequest> expected_;
};

std::string Text(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t length) {
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
}

// A started simulated driver in a folder of its own with the named test profile.
struct StartedDriver {
    StartedDriver(SimDriver which, const std::wstring& profile)
        : cleaned((RemoveSimService(which), true)), folder(profile), service(which, folder.DriverPath(which)) {}
    bool cleaned;
    SimMachineFolder folder;
    SimDriverService service;
};

TEST(SimulatedPorvikDriver, AnswersMemoryPciAndPortsFromTheProfileAndLogsEveryRequest) {
    StartedDriver driver(SimDriver::Porvik, L"board");
    ASSERT_TRUE(driver.service.Start()) << driver.service.StartError();
    RecordingDevice device(SimDriver::Porvik);
    ASSERT_TRUE(device.IsOpen());

    ControlResult count = device.Send(kQueryOpenCount, {}, 4);
    EXPECT_TRUE(count.ok && count.bytesReturned == 4);
    EXPECT_EQ(U32At(count.output, 0), 1u);
    {
        SimDevice second(SimDriver::Porvik);
        EXPECT_TRUE(second.IsOpen());
        EXPECT_EQ(U32At(device.Send(kQueryOpenCount, {}, 4).output, 0), 2u);
    }
    EXPECT_EQ(U32At(device.Send(kQueryOpenCount, {}, 4).output, 0), 1u);  // the other handle closed

    ControlResult anchor = device.ReadMemory(0xF0010, 1, 12, 12);
    EXPECT_TRUE(anchor.ok && anchor.bytesReturned == 12);
    EXPECT_EQ(Text(anchor.output, 0, 8), std::string("_DMI_\0\0\0", 8));
    EXPECT_EQ(U32At(anchor.output, 8), 0x000F0080u);
    ControlResult edge = device.ReadMemory(0xF00FC, 1, 8, 8);  // half past the served region
    EXPECT_TRUE(edge.ok && edge.bytesReturned == 8);
    EXPECT_EQ(edge.output, std::vector<std::uint8_t>({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Text(device.ReadMemory(0xC0000, 1, 13, 13).output, 0, 13), "NORVA QB.TEST");

    EXPECT_EQ(device.ReadPci(0, 31, 3, 0x00), 0x5A011F3Cu);
    EXPECT_EQ(device.ReadPci(0, 31, 3, 0x08), 0x0C050002u);
    EXPECT_EQ(device.ReadPci(0, 31, 3, 0x20), 0x00000401u);
    EXPECT_EQ(device.ReadPci(2, 0, 1, 0x2C), 0x7745F157u);
    EXPECT_EQ(device.ReadPci(2, 0, 0, 0x08), 0xFFFFFFFFu);  // absent function
    EXPECT_EQ(device.ReadPci(0, 31, 3, 0xFE), 0xFFFF0000u);  // past the configuration space

    EXPECT_EQ(device.ReadPort(0x80), 0x5A);
    EXPECT_TRUE(device.WritePort(0x80, 0x11));
    EXPECT_EQ(device.ReadPort(0x80), 0x11);
    EXPECT_EQ(device.ReadPort(0x81), 0xFF);  // nothing there

    const std::vector<SimRequest> logged = driver.folder.RequestLog(SimDriver::Porvik);
    EXPECT_EQ(logged, device.Expected());
}

TEST(SimulatedPorvikDriver, RunsTheDualBiosSmbusTransaction) {
    StartedDriver driver(SimDriver::Porvik, L"board");
    ASSERT_TRUE(driver.service.Start()) << driver.service.StartError();
    RecordingDevice device(SimDriver::Porvik);
    ASSERT_TRUE(device.IsOpen());
    const std::uint32_t base = device.ReadPci(0, 31, 3, 0x20) - 1;
    ASSERT_EQ(base, 0x400u);
    EXPECT_EQ(device.ReadPort(0x405), 0x00);
    for (const auto& [offset, value] : std::vector<std::pair<std::uint32_t, std::uint8_t>>{
             {0, 0xFF}, {3, 0x02}, {4, 0x97}, {5, 0x00}, {2, 0x48}})
        EXPECT_TRUE(device.WritePort(base + offset, value));
    EXPECT_EQ(device.ReadPort(static_cast<std::uint16_t>(base + 5)), 0x04);
    EXPECT_EQ(device.ReadPort(static_cast<std::uint16_t>(base + 0)), 0x02);  // transaction done
    // An address nobody answers leaves the data register alone and flags a device error.
    for (const auto& [offset, value] : std::vector<std::pair<std::uint32_t, std::uint8_t>>{
             {0, 0xFF}, {4, 0x31}, {5, 0x00}, {2, 0x48}})
        EXPECT_TRUE(device.WritePort(base + offset, value));
    EXPECT_EQ(device.ReadPort(static_cast<std::uint16_t>(base + 5)), 0x00);
    EXPECT_EQ(device.ReadPort(static_cast<std::uint16_t>(base + 0)), 0x04);
    EXPECT_EQ(driver.folder.RequestLog(SimDriver::Porvik), device.Expected());
}

TEST(SimulatedPorvikDriver, RefusesMalformedRequestsWithoutHarm) {
    StartedDriver driver(SimDriver::Porvik, L"board");
    ASSERT_TRUE(driver.service.Start()) << driver.service.StartError();
    RecordingDevice device(SimDriver::Porvik);
    ASSERT_TRUE(device.IsOpen());
    EXPECT_FALSE(device.Send(kReadMemory, {0x00, 0x00, 0x0F, 0x00}, 16).ok);  // input too short
    EXPECT_FALSE(device.ReadMemory(0xF0000, 1, 0x200000, 16).ok);             // more than 1 MiB asked
    EXPECT_FALSE(device.ReadMemory(0xF0000, 3, 4, 16).ok);                    // no such unit size
    const ControlResult small = device.ReadMemory(0xF0000, 1, 32, 16);        // output buffer too small
    EXPECT_FALSE(small.ok);
    EXPECT_EQ(small.error, static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_FALSE(device.Send(kReadPciConfig, {0x01}, 4).ok);
    EXPECT_FALSE(device.Send(kReadPortByte, {0x80}, 2).ok);
    EXPECT_FALSE(device.WritePort(0x10000, 1));
    EXPECT_FALSE(device.Send(0xC3500000, {}, 4).ok);  // unknown code
    EXPECT_EQ(device.ReadPort(0x80), 0x5A);           // and still serving
    EXPECT_EQ(driver.folder.RequestLog(SimDriver::Porvik), device.Expected());
}

TEST(SimulatedNorvabiosDriver, AnswersIdentificationAndTheInformationRecord) {
    StartedDriver driver(SimDriver::Norvabios, L"board");
    ASSERT_TRUE(driver.service.Start()) << driver.service.StartError();
    RecordingDevice device(SimDriver::Norvabios);
    ASSERT_TRUE(device.IsOpen());
    const ControlResult identity = device.Send(kIdentify, {}, 256);
    EXPECT_TRUE(identity.ok);
    EXPECT_EQ(identity.bytesReturned, 17u);  // the text and its terminator
    EXPECT_EQ(Text(identity.output, 0, 17), std::string("NORVA TEST BOARD\0", 17));
    EXPECT_EQ(identity.output[17], 0xCC);  // only the bytes reported reach the caller's buffer

    std::vector<std::uint8_t> request(1028, 0x5A);
    for (std::size_t at : {0u, 256u, 512u, 768u, 1024u, 1025u, 1026u, 1027u}) request[at] = 0;
    const ControlResult info = device.Send(kReadBiosInfo, request, 1028);
    EXPECT_TRUE(info.ok);
    EXPECT_EQ(info.bytesReturned, 1028u);
    EXPECT_EQ(Text(info.output, 0, 6), std::string("first\0", 6));
    EXPECT_EQ(Text(info.output, 256, 12), std::string("Test Vendor\0", 12));
    EXPECT_EQ(Text(info.output, 512, 21), std::string("A7715TST V2.3 010101\0", 21));
    EXPECT_EQ(Text(info.output, 768, 7), std::string("fourth\0", 7));
    EXPECT_EQ(U32At(info.output, 1024), 0x11223344u);
    EXPECT_FALSE(device.Send(kReadBiosInfo, std::vector<std::uint8_t>(100), 1028).ok);  // short input
    EXPECT_EQ(driver.folder.RequestLog(SimDriver::Norvabios), device.Expected());
}

TEST(SimulatedDrivers, SwitchesFailRequestsAndShortenReplies) {
    StartedDriver porvik(SimDriver::Porvik, L"switches");
    ASSERT_TRUE(porvik.service.Start()) << porvik.service.StartError();
    RecordingDevice io(SimDriver::Porvik);
    ASSERT_TRUE(io.IsOpen());
    std::vector<std::uint8_t> pci;
    AppendU32(pci, 0);
    AppendU32(pci, 8);
    EXPECT_FALSE(io.Send(kReadPciConfig, pci, 4).ok);
    const ControlResult shortRead = io.ReadMemory(0xF0000, 1, 256, 256);
    EXPECT_TRUE(shortRead.ok);
    EXPECT_EQ(shortRead.bytesReturned, 16u);
    EXPECT_EQ(shortRead.output[0], 0xAB);
    EXPECT_FALSE(io.ReadMemory(0xF00F0, 1, 32, 32).ok);  // partly unserved, and the profile says fail
    EXPECT_EQ(porvik.folder.RequestLog(SimDriver::Porvik), io.Expected());

    StartedDriver bios(SimDriver::Norvabios, L"switches");
    ASSERT_TRUE(bios.service.Start()) << bios.service.StartError();
    RecordingDevice board(SimDriver::Norvabios);
    ASSERT_TRUE(board.IsOpen());
    const ControlResult identity = board.Send(kIdentify, {}, 256);
    EXPECT_TRUE(identity.ok);
    EXPECT_EQ(identity.bytesReturned, 0u);  // no identification text: board not identified
    const ControlResult info = board.Send(kReadBiosInfo, std::vector<std::uint8_t>(1028), 1028);
    EXPECT_TRUE(info.ok);
    EXPECT_EQ(info.bytesReturned, 100u);
}

TEST(SimulatedDrivers, StartRefusedOrProfileMissingFailsStartService) {
    for (SimDriver which : {SimDriver::Porvik, SimDriver::Norvabios}) {
        StartedDriver refused(which, L"refused");
        ASSERT_TRUE(refused.service.Installed());
        EXPECT_FALSE(refused.service.Start());
        EXPECT_NE(refused.service.StartError(), 0u);
        EXPECT_FALSE(SimDevice(which).IsOpen());
    }
    RemoveSimService(SimDriver::Porvik);
    SimMachineFolder bare(L"board", false);
    SimDriverService service(SimDriver::Porvik, bare.DriverPath(SimDriver::Porvik));
    EXPECT_FALSE(service.Start());
    EXPECT_FALSE(SimDevice(SimDriver::Porvik).IsOpen());
}

}  // namespace
}  // namespace veltra::winetest
