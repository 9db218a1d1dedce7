#include <gtest/gtest.h>

#include <map>

#include "machine_profile.h"
#include "sim_profile_format.h"

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

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
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

TEST(MachineProfileParser, MemoryDirectivesFillTheirRegionLittleEndian) {
    const MachineProfile profile = Parsed(
        "memory 0xF0000 0x20 0xFF   # ROM window\n"
        "text 0xF0000 \"_DMI_\\x00#x\"\n"
        "dword 0xF0008 0x000F1000\n"
        "word 0xF000C 0xBEEF\n"
        "byte 0xF000E 4\n"
        "bytes 0xF001E 0a 0B\n");
    ASSERT_EQ(profile.memory.size(), 1u);
    const std::vector<std::uint8_t> expected = {'_', 'D', 'M', 'I', '_', 0, '#', 'x', 0x00, 0x10, 0x0F, 0x00,
                                                0xEF, 0xBE, 0x04, 0xFF};
    EXPECT_EQ(std::vector<std::uint8_t>(profile.memory[0].bytes.begin(), profile.memory[0].bytes.begin() + 16), expected);
    EXPECT_EQ(profile.memory[0].bytes[0x1D], 0xFF);
    EXPECT_EQ(profile.memory[0].bytes[0x1E], 0x0A);
    EXPECT_EQ(profile.memory[0].bytes[0x1F], 0x0B);
}

TEST(MachineProfileParser, PciLinesBuildTheConfigurationSpace) {
    const MachineProfile profile = Parsed(
        "pci 10:1f.7 0x10DE 0x0A7F 0x030000 0xA2\n"
        "pci-subsystem 10:1f.7 0xF157 0x7745\n"
        "pci-dword 10:1f.7 0x20 0x00000401\n"
        "pci c4:00.0 0x1F3C 0x2A1C 0x060400\n"
        "pci-dword c4:00.0 0x0C 0x00800010\n"
        "pci-bridge c4:00.0 0xc5 0xc7\n");
    const auto found = profile.pci.find(0x10u * 256 + 0x1F * 8 + 7);
    ASSERT_NE(found, profile.pci.end());
    const std::vector<std::uint8_t> config(found->second.begin(), found->second.end());
    EXPECT_EQ(U32At(config, 0x00), 0x0A7F10DEu);
    EXPECT_EQ(U32At(config, 0x08), 0x030000A2u);
    EXPECT_EQ(U32At(config, 0x20), 0x00000401u);
    EXPECT_EQ(U32At(config, 0x2C), 0x7745F157u);
    EXPECT_EQ(U32At(config, 0x04), 0u);
    // A multi-function bridge on a high bus: layout 1 beside the multi-function bit.
    const auto bridge = profile.pci.find(0xC4u * 256);
    ASSERT_NE(bridge, profile.pci.end());
    const std::vector<std::uint8_t> bridgeConfig(bridge->second.begin(), bridge->second.end());
    EXPECT_EQ(U32At(bridgeConfig, 0x0C), 0x00810010u);
    EXPECT_EQ(U32At(bridgeConfig, 0x18), 0x00C7C5C4u);
}

TEST(MachineProfileCompiler, WritesTheLayoutTheDriversRead) {
    const MachineProfile profile = Parsed(
        "port 0x80 0x5A\n"
        "bios-ident \"NORVA\"\n"
        "bios-info 1 \"Vendor\"\n"
        "bios-info-value 0x01020304\n"
        "short-reply porvik 0xC3506104 16\n"
        "fail-start norvabios\n"
        "unserved fail\n");
    const std::vector<std::uint8_t> bytes = CompileMachineProfile(profile);
    ASSERT_GE(bytes.size(), 12u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "VSIMPRF1");
    EXPECT_EQ(U32At(bytes, 8), 6u);  // port, identity, record, two switches, unserved mode
    std::size_t at = 12;
    EXPECT_EQ(U32At(bytes, at), static_cast<std::uint32_t>(SIM_ENTRY_PORT));
    EXPECT_EQ(U32At(bytes, at + 4), 8u);
    EXPECT_EQ(U32At(bytes, at + 8), 0x80u);
    EXPECT_EQ(U32At(bytes, at + 12), 0x5Au);
    at += 16;
    EXPECT_EQ(U32At(bytes, at), static_cast<std::uint32_t>(SIM_ENTRY_BIOS_IDENT));
    EXPECT_EQ(U32At(bytes, at + 4), 5u);
    EXPECT_EQ(std::string(bytes.begin() + at + 8, bytes.begin() + at + 13), "NORVA");
    at += 13;
    EXPECT_EQ(U32At(bytes, at), static_cast<std::uint32_t>(SIM_ENTRY_BIOS_INFO));
    EXPECT_EQ(U32At(bytes, at + 4), 1028u);
    EXPECT_EQ(std::string(bytes.begin() + at + 8 + 256, bytes.begin() + at + 8 + 263), std::string("Vendor\0", 7));
    EXPECT_EQ(U32At(bytes, at + 8 + 1024), 0x01020304u);
    at += 8 + 1028;
    EXPECT_EQ(std::vector<std::uint32_t>({U32At(bytes, at), U32At(bytes, at + 8), U32At(bytes, at + 12),
                                          U32At(bytes, at + 16), U32At(bytes, at + 20)}),
              std::vector<std::uint32_t>({SIM_ENTRY_SWITCH, SIM_DRIVER_PORVIK, SIM_SWITCH_SHORT_REPLY, 0xC3506104u, 16u}));
    at += 24 + 24;
    EXPECT_EQ(U32At(bytes, at), static_cast<std::uint32_t>(SIM_ENTRY_UNSERVED));
    EXPECT_EQ(U32At(bytes, at + 8), static_cast<std::uint32_t>(SIM_UNSERVED_FAIL));
    EXPECT_EQ(bytes.size(), at + 12);
}

TEST(MachineProfileCompiler, PrepareLinesCarryTheWindowsSettings) {
    const MachineProfile profile = Parsed(
        "windows win7\n"
        "registry \"HKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\" BuildLabEx \"7601.amd64fre\"\n"
        "registry-dword \"HKCU\\Software\\Test\" Count 0x10\n"
        "work-file cards/VGACardList.rec VT5/DL_INFO/VGACardList.rec\n"
        "missing-driver porvik\n");
    EXPECT_EQ(PrepareLines(profile, "/p"),
              "windows\twin7\n"
              "registry\tHKLM\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\tBuildLabEx\tREG_SZ\t7601.amd64fre\n"
              "registry\tHKCU\\Software\\Test\tCount\tREG_DWORD\t16\n"
              "work-file\t/p/cards/VGACardList.rec\tVT5\\DL_INFO\\VGACardList.rec\n"
              "missing-driver\tporvik\n");
}

TEST(MachineProfileParser, IncludedFilesAddTheirLinesAndReportTheirMistakes) {
    const std::map<std::string, std::string> files = {
        {"board.inc", "memory 0xF0000 0x10\nport 0x80 1\n"},
        {"broken.inc", "port 0x80 1\nfrobnicate\n"},
        {"loop.inc", "include \"loop.inc\"\n"},
    };
    const IncludeLoader loader = [&files](const std::string& name) -> std::optional<std::string> {
        const auto found = files.find(name);
        return found == files.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
    const ParseResult good = ParseMachineProfile("# board\ninclude \"board.inc\"\nbyte 0xF0001 7\n", loader);
    ASSERT_TRUE(good.profile) << good.error;
    EXPECT_EQ(good.profile->memory.at(0).bytes[1], 7);
    EXPECT_EQ(good.profile->ports.at(0x80), 1);
    EXPECT_EQ(ParseMachineProfile("\ninclude \"broken.inc\"\n", loader).error,
              "2: in 'broken.inc' line 2: unknown directive 'frobnicate'");
    EXPECT_EQ(ParseMachineProfile("include \"none.inc\"\n", loader).error, "1: included file 'none.inc' cannot be read");
    EXPECT_EQ(ParseMachineProfile("include board.inc\n", loader).error, "1: include takes one quoted file name");
    EXPECT_NE(ParseMachineProfile("include \"loop.inc\"\n", loader).error.find("includes nested deeper than 4"),
              std::string::npos);
}

TEST(MachineProfileCompiler, CardListRecordsAre140BytesWithIdAndName) {
    const MachineProfile profile = Parsed(
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
    EXPECT_EQ(PrepareLines(profile, "/p"), "card-list\tVT5\\DL_INFO\\VGACardList.rec\n");
}

}  // namespace
}  // namespace veltra::profile
