// The drivers' own profile reader (drivers/sim/sim_profile.c, built natively) against what
// the compiler writes, the bundled demo machines and damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "machine_profile.h"
#include "sim_profile.h"

namespace veltra::profile {
namespace {

bool IsValid(const std::vector<std::uint8_t>& bytes) {
    return SimProfileIsValid(bytes.data(), static_cast<ULONG>(bytes.size())) != FALSE;
}

// Every demo machine compiles to a profile the drivers accept (the Wine tests run only some).
TEST(SimProfileReader, AcceptsEveryDemoMachine) {
    int machines = 0;
    for (const auto& entry : std::filesystem::directory_iterator(VELTRA_EXAMPLES_DIR)) {
        const std::filesystem::path folder = entry.path();
        const std::optional<ParseResult> result = LoadMachineProfile(folder / "machine.profile");
        if (!result) continue;  // the shared include folder
        ASSERT_TRUE(result->profile.has_value()) << folder << ": " << result->error;
        EXPECT_TRUE(IsValid(CompileMachineProfile(*result->profile))) << folder;
        ++machines;
    }
    EXPECT_GE(machines, 10);
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
}

}  // namespace
}  // namespace veltra::profile
