#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "fakes/model_machine.h"
#include "hardware/dmi.h"

namespace veltra {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kTable = 0x7FFE0000;

void Put(Bytes& bytes, std::size_t offset, std::uint64_t value, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A 64-bit entry point: its anchor, then the table's length at 0x0C.
Bytes Sm3EntryPoint(std::size_t length) {
    Bytes entry(0x20, 0);
    std::copy_n("_SM3_", 5, entry.begin());
    Put(entry, 0x0C, length, 4);
    return entry;
}

// A window the driver cannot read whole is searched block by block: the entry point in the
// one block it serves is still found.
TEST(DmiTable, AWindowReadableOnlyInPartsIsSearchedBlockByBlock) {
    Bytes table(0x1A, 0);
    table[1] = 0x18;  // a BIOS structure without strings
    table[0x14] = 7;  // its major release
    Bytes block = Sm3EntryPoint(table.size());
    Put(block, 0x10, kTable, 8);
    block.resize(0x100);
    fakes::ModelMachine machine;
    machine.AddMemory(0xF0A00, block);
    machine.AddMemory(kTable, table);
    EXPECT_EQ(ReadDmiBiosMajorRelease(machine), 7);
}

// Real tables: a dump has its entry point in its first 0x20 bytes and the table after it; a
// bare table gets a 64-bit entry point. The expected releases were read by a separate script.
// A 64-bit entry point gives a maximum 1,518 bytes above the table's length, as on a mini-PC
// whose memory past the table cannot be read: the model serves only the table.
TEST(DmiTable, EveryRealTableGivesTheMajorReleaseOfItsBiosStructure) {
    const std::pair<const char*, std::optional<std::uint8_t>> rows[] = {
        {"Beelink-EQ12.dmi", 5},                      // _SM3_ only
        {"Dell-PowerEdge-R630-Dual-Xeon.dmi", 2},     // bare; first structure type 218
        {"HyperV.dmi", std::nullopt},                 // bare; type 0 too short for the field
        {"Lenovo-ThinkPad-T480.bin", 1},              // _SM3_ only; first structure type 222
        {"Lenovo-ThinkPad-W510.bin", 1},
        {"Synology-RS3614xsp.bin", 4},
        {"VMWare.bin", 4},
        {"satellite_pro_l70_testdata.bin", 1},
        {"smbios_table.bin", 1},                      // _SM3_ only
    };
    for (const auto& [name, major] : rows) {
        std::ifstream in(std::string(VELTRA_SOURCE_DIR) + "/tests/fixtures/smbios/" + name, std::ios::binary);
        const Bytes file{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        ASSERT_GT(file.size(), 0x20u) << name;
        const bool dump = file[0] == '_';
        const bool sm3 = !dump || file[3] == '3';
        Bytes table(file.begin() + (dump ? 0x20 : 0), file.end());
        Bytes entry = dump ? Bytes(file.begin(), file.begin() + 0x20) : Sm3EntryPoint(table.size());
        Put(entry, sm3 ? 0x10 : 0x18, kTable, sm3 ? 8 : 4);  // where the table is served
        if (sm3) {
            Put(entry, 0x0C, table.size() + 1518, 4);
        } else {
            table.resize(std::max<std::size_t>(table.size(), entry[0x16] | entry[0x17] << 8));
        }
        Bytes window(0x10000, 0);  // the BIOS ROM window, its entry point at 0xF0A20
        std::copy(entry.begin(), entry.end(), window.begin() + 0xA20);
        fakes::ModelMachine machine;
        machine.AddMemory(0xF0000, window);
        machine.AddMemory(kTable, table);
        EXPECT_EQ(ReadDmiBiosMajorRelease(machine), major) << name;
        EXPECT_EQ(IsDmiBiosMajorRelease4(machine), major == 4) << name;
    }
}

}  // namespace
}  // namespace veltra
