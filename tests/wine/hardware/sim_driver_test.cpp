// The simulated drivers through the real service manager and device I/O: what the program's
// own requests show is DriverClients'; here the rest of each control code's answers from the
// profile, the requests refused, the request log byte for byte, and each failure switch.
#include <gtest/gtest.h>

#include "support/sim_machine.h"

namespace veltra::winetest {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr DWORD kQueryOpenCount = 0xC3502004;
constexpr DWORD kReadMemory = 0xC3506104;
constexpr DWORD kReadPciConfig = 0xC3506144;
constexpr DWORD kReadPortByte = 0xC35060CC;
constexpr DWORD kWritePortByte = 0xC350A0D8;
constexpr DWORD kIdentify = 0x222020;
constexpr DWORD kReadBiosInfo = 0x222014;

struct Request {
    DWORD code;
    Bytes input;
    DWORD outputSize;
};

Request Memory(std::uint32_t address, std::uint32_t unitSize, std::uint32_t count, DWORD outputSize) {
    Bytes input;
    for (std::uint32_t value : {address, 0u, unitSize, count}) AppendU32(input, value);
    return {kReadMemory, input, outputSize};
}
Request Pci(std::uint32_t bus, std::uint32_t device, std::uint32_t function, std::uint32_t offset) {
    Bytes input;
    AppendU32(input, bus * 256 + device * 8 + function);
    AppendU32(input, offset);
    return {kReadPciConfig, input, 4};
}
Request PortIn(std::uint32_t port) { return {kReadPortByte, {static_cast<std::uint8_t>(port), static_cast<std::uint8_t>(port >> 8)}, 2}; }
Request PortOut(std::uint32_t port, std::uint8_t value) {
    Bytes input;
    AppendU32(input, port);
    input.push_back(value);
    return {kWritePortByte, input, 0};
}
Bytes Le32(std::uint32_t value) {
    Bytes bytes;
    AppendU32(bytes, value);
    return bytes;
}

// A request, whether it succeeds, and the bytes it answers (checked as the output's start
// and as the count returned); a refused request names its error when it matters.
struct Row {
    const char* what;
    Request request;
    bool ok;
    Bytes answer;
    DWORD error = 0;
};

// A simulated driver in a folder of its own with the named test profile; Check sends each
// row on a device it opens, and the started driver must have logged every row.
struct StartedDriver {
    StartedDriver(SimDriver driver, const std::wstring& profile)
        : which(driver), cleaned((RemoveSimService(driver), true)), folder(profile), service(driver, folder.DriverPath(driver)) {}
    void Check(const std::vector<Row>& rows) {
        SimDevice device(which);
        ASSERT_TRUE(device.IsOpen());
        std::vector<SimRequest> sent;
        for (const Row& row : rows) {
            const ControlResult result = device.Control(row.request.code, row.request.input, row.request.outputSize);
            sent.push_back({row.request.code, static_cast<std::uint32_t>(row.request.input.size()), row.request.outputSize,
                            row.request.input});
            EXPECT_EQ(result.ok, row.ok) << row.what;
            if (row.error != 0) {
                EXPECT_EQ(result.error, row.error) << row.what;
            }
            if (!row.ok) continue;
            EXPECT_EQ(result.bytesReturned, row.answer.size()) << row.what;
            EXPECT_EQ(Bytes(result.output.begin(), result.output.begin() + static_cast<std::ptrdiff_t>(row.answer.size())),
                      row.answer)
                << row.what;
        }
        EXPECT_EQ(folder.RequestLog(which), sent);
    }
    SimDriver which;
    bool cleaned;
    SimMachineFolder folder;
    SimDriverService service;
};

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

TEST(SimulatedPorvikDriver, AnswersFromTheProfileRefusesMalformedRequestsAndRunsTheSmbusTransaction) {
    StartedDriver driver(SimDriver::Porvik, L"board");
    ASSERT_TRUE(driver.service.Start()) << driver.service.StartError();
    SimDevice second(SimDriver::Porvik);
    ASSERT_TRUE(second.IsOpen());
    // The dual-BIOS controller (slave 0x4B, command 2) at the SMBus host's base 0x400.
    const std::vector<Row> smbusRead = {
        {"clear status", PortOut(0x400, 0xFF), true, {}}, {"command", PortOut(0x403, 0x02), true, {}},
        {"slave, read", PortOut(0x404, 0x97), true, {}},  {"data", PortOut(0x405, 0x00), true, {}},
        {"start byte data", PortOut(0x402, 0x48), true, {}},
    };
    std::vector<Row> rows = {
        {"half past the served region", Memory(0xF00FC, 1, 8, 8), true, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"video ROM", Memory(0xC0000, 1, 13, 13), true, Text("NORVA QB.TEST")},
        {"class register", Pci(0, 31, 3, 0x08), true, Le32(0x0C050002)},
        {"subsystem of function 1", Pci(2, 0, 1, 0x2C), true, Le32(0x7745F157)},
        {"absent function", Pci(2, 0, 0, 0x08), true, Le32(0xFFFFFFFF)},
        {"past the configuration space", Pci(0, 31, 3, 0xFE), true, Le32(0xFFFF0000)},
        {"nothing at the port", PortIn(0x81), true, {0xFF, 0}},
        {"SMBus data before", PortIn(0x405), true, {0x00, 0}},
    };
    rows.insert(rows.end(), smbusRead.begin(), smbusRead.end());
    rows.insert(rows.end(), {{"status byte read", PortIn(0x405), true, {0x04, 0}},
                             {"transaction done", PortIn(0x400), true, {0x02, 0}}});
    rows.insert(rows.end(), smbusRead.begin(), smbusRead.end() - 1);
    rows.insert(rows.end(), {{"nobody at 0x18", PortOut(0x404, 0x31), true, {}},
                             {"start", PortOut(0x402, 0x48), true, {}},
                             {"data left alone", PortIn(0x405), true, {0x00, 0}},
                             {"device error", PortIn(0x400), true, {0x04, 0}},
                             {"memory input too short", {kReadMemory, {0x00, 0x00, 0x0F, 0x00}, 16}, false, {}},
                             {"more than 1 MiB", Memory(0xF0000, 1, 0x200000, 16), false, {}},
                             {"no such unit size", Memory(0xF0000, 3, 4, 16), false, {}},
                             {"output too small", Memory(0xF0000, 1, 32, 16), false, {}, ERROR_INSUFFICIENT_BUFFER},
                             {"PCI input too short", {kReadPciConfig, {0x01}, 4}, false, {}},
                             {"port input too short", {kReadPortByte, {0x80}, 2}, false, {}},
                             {"no such port", PortOut(0x10000, 1), false, {}},
                             {"unknown code", {0xC3500000, {}, 4}, false, {}},
                             {"still serving", PortIn(0x80), true, {0x5A, 0}},
                             {"two handles", {kQueryOpenCount, {}, 4}, true, Le32(2)}});
    driver.Check(rows);
    EXPECT_EQ(U32At(second.Control(kQueryOpenCount, {}, 4).output, 0), 1u) << "the other handle closed";
}

TEST(SimulatedNorvabiosDriver, AnswersIdentificationAndTheInformationRecord) {
    StartedDriver driver(SimDriver::Norvabios, L"board");
    ASSERT_TRUE(driver.service.Start()) << driver.service.StartError();
    Bytes request(1028, 0x5A);
    for (std::size_t at : {0u, 256u, 512u, 768u, 1024u, 1025u, 1026u, 1027u}) request[at] = 0;
    Bytes record(1028, 0);
    for (const auto& [at, text] : {std::pair<std::size_t, std::string>{0, "first"}, {256, "Test Vendor"},
                                   {512, "A7715TST V2.3 010101"}, {768, "fourth"}})
        std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(at));
    const Bytes serial = Le32(0x11223344);
    std::copy(serial.begin(), serial.end(), record.begin() + 1024);
    driver.Check({{"the text and its terminator", {kIdentify, {}, 256}, true, Text(std::string("NORVA TEST BOARD\0", 17))},
                  {"information record", {kReadBiosInfo, request, 1028}, true, record},
                  {"short input", {kReadBiosInfo, Bytes(100), 1028}, false, {}}});
    // Only the bytes reported reach the caller's buffer.
    SimDevice device(SimDriver::Norvabios);
    EXPECT_EQ(device.Control(kIdentify, {}, 256).output[17], 0xCC);
}

TEST(SimulatedDrivers, SwitchesFailRequestsAndShortenReplies) {
    StartedDriver porvik(SimDriver::Porvik, L"switches");
    ASSERT_TRUE(porvik.service.Start()) << porvik.service.StartError();
    porvik.Check({{"PCI refused", Pci(0, 0, 0, 8), false, {}},
                  {"memory cut to 16 bytes", Memory(0xF0000, 1, 256, 256), true, Bytes(16, 0xAB)},
                  {"partly unserved, and the profile says fail", Memory(0xF00F0, 1, 32, 32), false, {}}});
    StartedDriver bios(SimDriver::Norvabios, L"switches");
    ASSERT_TRUE(bios.service.Start()) << bios.service.StartError();
    bios.Check({{"no identification text: board not identified", {kIdentify, {}, 256}, true, {}},
                {"record cut to 100 bytes", {kReadBiosInfo, Bytes(1028), 1028}, true, Bytes(100, 0)}});
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
