#include <gtest/gtest.h>

#include "machine_profile.h"

namespace veltra::profile {
namespace {

MachineProfile Parsed(const std::string& text) {
    ParseResult result = ParseMachineProfile(text);
    EXPECT_TRUE(result.profile.has_value()) << result.error;
    return result.profile ? *result.profile : MachineProfile{};
}

std::string ErrorOf(const std::string& text) {
    const ParseResult result = ParseMachineProfile(text);
    EXPECT_FALSE(result.profile.has_value()) << text;
    return result.error;
}

TEST(MachineProfileParser, MistakesGiveOneLineWithTheLineNumber) {
    const std::pair<std::string, std::string> cases[] = {
        {"# comment\n\nfrobnicate 1\n", "3: unknown directive 'frobnicate'"},
        {"memory 0xF0000 0x1G000\n", "1: bad size '0x1G000'"},
        {"memory 0xF0000 0x100\nmemory 0xF0080 0x100\n", "2: memory region overlaps the region at 0xF0000"},
        {"memory 0xC0000 0x100001\n", "1: memory region larger than 1 MiB"},
        {"memory 0xFFFFFF00 0x200\n", "1: memory region ends beyond 4 GiB"},
        {"memory 0xF0000 0x10\nbytes 0xF000F 01 02\n", "2: data at 0xF000F runs past its region's end"},
        {"text 0xF0000 \"_DMI_\"\n", "1: no memory region holds 0xF0000"},
        {"memory 0xF0000 0x10\ntext 0xF0000 \"open\n", "2: unterminated string"},
        {"pci 00:1f.3 0x8086 0x1234 0x0C0500\npci 00:1f.3 0x8086 0x1234 0x0C0500\n",
         "2: PCI function 00:1f.3 defined twice"},
        {"pci-dword 00:01.0 0x20 1\n", "1: PCI function 00:01.0 has no 'pci' line before"},
        {"pci 02:00.0 0x8086 0x1234 0x060400\npci-bridge 02:00.0 2 3\n",
         "2: bridge buses must satisfy bus < secondary <= subordinate"},
        {"bios-ident \"" + std::string(257, 'A') + "\"\n", "1: identification text longer than 256 bytes"},
        {"work-file ../secret VT5\\x\n", "1: file '../secret' lies outside the profile's folder"},
        {"work-file a.rec VT5\\..\\..\\x\n", "1: target 'VT5\\..\\..\\x' lies outside the work folder"},
        {"registry \"HKLM\\A\" name \"tab\\x09inside\"\n", "1: registry text holds a tab or a line end"},
    };
    for (const auto& [text, error] : cases) EXPECT_EQ(ErrorOf(text), error) << text;
}

// Numbers are stored little-endian in exactly their width, so one may end a region.
TEST(MachineProfileParser, NumbersFillTheirWidthUpToTheRegionsEnd) {
    const MachineProfile profile = Parsed("memory 0xF0000 0x6\nword 0xF0000 0X1234\ndword 0xF0002 0xA1B2C3D4\n");
    EXPECT_EQ(profile.memory.at(0).bytes, (std::vector<std::uint8_t>{0x34, 0x12, 0xD4, 0xC3, 0xB2, 0xA1}));
    EXPECT_EQ(ErrorOf("memory 0xF0000 0x6\nword 0xF0000 0x10000\n"), "2: value '0x10000' is out of range");
}

// A function's header as the drivers serve it: ids, revision and class, subsystem; a bridge
// keeps the multi-function bit a "pci-dword" line set, and adds its buses.
TEST(MachineProfileParser, PciHeadersHoldEachFieldInItsPlace) {
    const MachineProfile profile = Parsed("pci 00:01.0 0x1F3C 0x2A01 0x060400 0xA2\npci-subsystem 00:01.0 0xF157 0x7745\n"
                                          "pci-dword 00:01.0 0x0C 0x00800000\npci-bridge 00:01.0 2 3\n");
    const std::array<std::uint8_t, 256>& config = profile.pci.at(0x08);
    const auto bytes = [&config](std::size_t at, std::size_t count) {
        return std::vector<std::uint8_t>(config.begin() + at, config.begin() + at + count);
    };
    EXPECT_EQ(bytes(0x00, 12), (std::vector<std::uint8_t>{0x3C, 0x1F, 0x01, 0x2A, 0, 0, 0, 0, 0xA2, 0x00, 0x04, 0x06}));
    EXPECT_EQ(bytes(0x0E, 1), std::vector<std::uint8_t>{0x81});
    EXPECT_EQ(bytes(0x18, 3), (std::vector<std::uint8_t>{0x00, 0x02, 0x03}));
    EXPECT_EQ(bytes(0x2C, 4), (std::vector<std::uint8_t>{0x57, 0xF1, 0x45, 0x77}));
}

TEST(MachineProfileCompiler, CardListRecordsAre140BytesAndThePreparationLinesListTheFiles) {
    const MachineProfile profile = Parsed(
        "work-file a.rec VT5/DL_INFO/a.rec\n"
        "card-list 0A7F \"Norva QB-N7745 1GB\"\n"
        "card-list 15E2 \"" + std::string(81, 'N') + "\"\n");
    const std::vector<std::uint8_t> file = CardListFile(profile);
    ASSERT_EQ(file.size(), 280u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 48), std::vector<std::uint8_t>(48, 0));
    EXPECT_EQ(std::string(file.begin() + 48, file.begin() + 58), std::string("0A7F\0\0\0\0\0\0", 10));
    EXPECT_EQ(std::string(file.begin() + 58, file.begin() + 77), std::string("Norva QB-N7745 1GB\0", 19));
    EXPECT_EQ(file[139 + 140], 0);  // the longest name keeps its terminator
    EXPECT_EQ(ErrorOf("card-list 0123456789 \"x\"\n"), "1: card device id '0123456789' longer than 9");
    EXPECT_EQ(ErrorOf("card-list 1 \"" + std::string(82, 'N') + "\"\n"), "1: card name longer than 81 bytes");
    EXPECT_EQ(PrepareLines(profile, "/p"),
              "work-file\t/p/a.rec\tVT5\\DL_INFO\\a.rec\ncard-list\tVT5\\DL_INFO\\VGACardList.rec\n");
}

}  // namespace
}  // namespace veltra::profile
