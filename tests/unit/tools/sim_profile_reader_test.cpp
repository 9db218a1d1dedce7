// The drivers' own profile reader (drivers/sim/sim_profile.c, built natively) against what
// the compiler writes, the bundled demo machines and damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "machine_profile.h"
#include "sim_profile.h"

namespace veltra::profile {
namespace {

std::optional<std::string> ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::uint8_t> CompiledExample(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::path(VELTRA_EXAMPLES_DIR) / name;
    const std::optional<std::string> text = ReadText(folder / "machine.profile");
    EXPECT_TRUE(text.has_value()) << name;
    const ParseResult result =
        ParseMachineProfile(text.value_or(""), [&folder](const std::string& file) { return ReadText(folder / file); });
    EXPECT_TRUE(result.profile.has_value()) << name << ": " << result.error;
    return result.profile ? CompileMachineProfile(*result.profile) : std::vector<std::uint8_t>{};
}

bool IsValid(const std::vector<std::uint8_t>& bytes) {
    return SimProfileIsValid(bytes.data(), static_cast<ULONG>(bytes.size())) != FALSE;
}

TEST(SimProfileReader, AcceptsEveryDemoMachineAndFindsItsParts) {
    for (const char* name :
         {"demo-pc", "demo-ati", "demo-no-ident", "demo-dual-bios", "demo-thirdparty", "demo-workstation"}) {
        const std::vector<std::uint8_t> bytes = CompiledExample(name);
        ASSERT_TRUE(IsValid(bytes)) << name;
        const SimProfile profile{bytes.data(), static_cast<ULONG>(bytes.size())};
        SimEntry entry{};
        EXPECT_TRUE(SimFindEntry(&profile, SIM_ENTRY_BIOS_INFO, &entry)) << name;
        EXPECT_TRUE(SimFindEntry(&profile, SIM_ENTRY_SMBUS_HOST, &entry)) << name;
        EXPECT_EQ(SimGetU32(entry.payload), 0x400u) << name;
        ULONG cursor = 0, entries = 0;
        while (SimNextEntry(&profile, &cursor, &entry)) ++entries;
        EXPECT_EQ(entries, SimGetU32(bytes.data() + 8)) << name;
        EXPECT_EQ(cursor, bytes.size()) << name;
    }
}

TEST(SimProfileReader, RefusesDamagedFiles) {
    const ParseResult result =
        ParseMachineProfile("memory 0xF0000 0x20\npci 00:1f.3 1 2 0x0C0500\nbios-ident \"NORVA\"\nport 0x80 1\n");
    ASSERT_TRUE(result.profile);
    const std::vector<std::uint8_t> good = CompileMachineProfile(*result.profile);
    ASSERT_TRUE(IsValid(good));
    for (std::size_t size = 0; size < good.size(); ++size)  // every truncation
        EXPECT_FALSE(IsValid(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(size))))
            << size;
    std::vector<std::uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(IsValid(longer));  // trailing bytes
    std::vector<std::uint8_t> magic = good;
    magic[0] = 'X';
    EXPECT_FALSE(IsValid(magic));
    std::vector<std::uint8_t> count = good;
    ASSERT_EQ(SimGetU32(count.data() + 8), 5u);  // memory, PCI, port, identity, unserved mode
    SimPutU32(count.data() + 8, 6);              // one entry more than there is
    EXPECT_FALSE(IsValid(count));
    SimPutU32(count.data() + 8, 0xFFFFFFFFu);
    EXPECT_FALSE(IsValid(count));
    std::vector<std::uint8_t> size = good;
    SimPutU32(size.data() + 16, 0xFFFFFFF8u);  // the memory entry's size wraps past the end
    EXPECT_FALSE(IsValid(size));
    std::vector<std::uint8_t> pci = good;
    const std::size_t pciAt = 12 + 8 + 4 + 0x20;
    SimPutU32(pci.data() + pciAt + 4, SIM_PCI_PAYLOAD - 4);  // a PCI entry of the wrong size
    EXPECT_FALSE(IsValid(pci));
}

TEST(SimProfileReader, TheCompilerRefusesWhatTheDriversWouldRefuse) {
    std::string ports;
    for (int port = 0; port < 4096; ++port) ports += "port " + std::to_string(port) + " 1\n";
    const ParseResult atLimit = ParseMachineProfile(ports.substr(0, ports.rfind("port ")));  // 4095 ports + unserved
    ASSERT_TRUE(atLimit.profile);
    const std::vector<std::uint8_t> fits = CompileMachineProfile(*atLimit.profile);
    EXPECT_EQ(CompiledProfileProblem(fits), "");
    EXPECT_TRUE(IsValid(fits));
    const ParseResult overLimit = ParseMachineProfile(ports);
    ASSERT_TRUE(overLimit.profile);
    const std::vector<std::uint8_t> tooMany = CompileMachineProfile(*overLimit.profile);
    EXPECT_EQ(CompiledProfileProblem(tooMany), "the profile has more than 4096 entries, the drivers' limit");
    EXPECT_FALSE(IsValid(tooMany));
}

}  // namespace
}  // namespace veltra::profile
