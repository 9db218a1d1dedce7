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

constexpr std::uint32_t kEntryPoint = 0xF0A20;
constexpr std::uint32_t kTable = 0x7FFE0000;

std::uint64_t ReadLittleEndian(const Bytes& bytes, std::size_t offset, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value |= std::uint64_t{bytes[offset + i]} << (8 * i);
    return value;
}

void PutLittleEndian(Bytes& bytes, std::size_t offset, std::uint64_t value, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A 64-bit entry point ("_SM3_", length at 0x0C, address at 0x10).
Bytes Sm3EntryPoint(std::uint64_t address, std::uint32_t length) {
    Bytes entry{'_', 'S', 'M', '3', '_'};
    entry.resize(0x18);
    PutLittleEndian(entry, 0x0C, length, 4);
    PutLittleEndian(entry, 0x10, address, 8);
    return entry;
}

// A 32-bit entry point: "_SM_" and, 0x10 on, "_DMI_" with the length at 6 and address at 8.
Bytes DmiEntryPoint(std::uint32_t address, std::uint16_t length) {
    Bytes entry{'_', 'S', 'M', '_'};
    entry.resize(0x1F);
    const std::string anchor = "_DMI_";
    std::copy(anchor.begin(), anchor.end(), entry.begin() + 0x10);
    PutLittleEndian(entry, 0x16, length, 2);
    PutLittleEndian(entry, 0x18, address, 4);
    return entry;
}

// The BIOS ROM window with the entry point in it, and the table where it says.
fakes::ModelMachine MachineWith(const Bytes& entryPoint, const Bytes& table) {
    fakes::ModelMachine machine;
    Bytes window(0x10000, 0);
    std::copy(entryPoint.begin(), entryPoint.end(), window.begin() + (kEntryPoint - 0xF0000));
    machine.AddMemory(0xF0000, window);
    machine.AddMemory(kTable, table);
    return machine;
}

Bytes ReadFixture(const std::string& name) {
    std::ifstream file(std::string(VELTRA_SOURCE_DIR) + "/tests/fixtures/smbios/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Real tables: a dump holds its entry point in the first 0x20 bytes and the table after it; a
// bare table is given a 64-bit entry point. The expected releases were read by a separate script.
TEST(DmiTable, EveryRealTableGivesTheMajorReleaseOfItsBiosStructure) {
    const struct {
        const char* file;
        std::optional<std::uint8_t> major;
    } rows[] = {
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
    for (const auto& row : rows) {
        const Bytes file = ReadFixture(row.file);
        ASSERT_GT(file.size(), 0x20u) << row.file;
        const bool dump = file[0] == '_';
        const bool sm3 = !dump || file[3] == '3';
        Bytes table(file.begin() + (dump ? 0x20 : 0), file.end());
        Bytes entry = dump ? Bytes(file.begin(), file.begin() + 0x20)
                           : Sm3EntryPoint(0, static_cast<std::uint32_t>(table.size()));
        PutLittleEndian(entry, sm3 ? 0x10 : 0x18, kTable, sm3 ? 8 : 4);  // where the table is served
        const std::size_t length = sm3 ? ReadLittleEndian(entry, 0x0C, 4) : ReadLittleEndian(entry, 0x16, 2);
        table.resize(std::max(table.size(), length), 0);
        fakes::ModelMachine machine = MachineWith(entry, table);
        EXPECT_EQ(ReadDmiBiosMajorRelease(machine), row.major) << row.file;
        // The window, the entry point and the table, one request each (and one more window
        // search for the 64-bit anchor when the 32-bit one is missing).
        EXPECT_EQ(machine.memoryReads, sm3 ? 4 : 3) << row.file;
        EXPECT_EQ(IsDmiBiosMajorRelease4(machine), row.major == 4) << row.file;
    }
}

// Structures as bytes: type, length, handle, formatted area, then strings ending in 00 00.
TEST(DmiTable, TheWalkStopsAtTheBiosStructureTheEndOrAnyMalformedStructure) {
    Bytes bios(0x18, 0);
    bios[1] = 0x18;
    bios[0x14] = 4;
    const Bytes system{1, 4, 0, 0, 'A', 0, 'B', 'C', 0, 0};
    const Bytes noStrings{2, 5, 0, 0, 9, 0, 0};
    auto join = [](std::initializer_list<Bytes> parts) {
        Bytes all;
        for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
        return all;
    };
    Bytes shortBios = bios;
    shortBios[1] = 0x14;
    Bytes shortestWithField = bios;
    shortestWithField[1] = 0x15;
    const struct {
        const char* name;
        Bytes table;
        std::optional<std::uint8_t> major;
    } rows[] = {
        {"first", join({bios, {0, 0}}), 4},
        {"after strings", join({system, noStrings, bios, {0, 0}}), 4},
        {"end of table first", join({{127, 4, 0, 0, 0, 0}, bios, {0, 0}}), std::nullopt},
        {"too short for the field", join({shortBios, {0, 0}}), std::nullopt},
        {"just long enough", join({shortestWithField, {0, 0}}), 4},
        {"cut inside the formatted area", Bytes(bios.begin(), bios.begin() + 0x14), std::nullopt},
        {"length below the header", join({{1, 3, 0, 0, 0, 0}, bios}), std::nullopt},
        {"strings never end", {1, 4, 0, 0, 'A', 0, 'B'}, std::nullopt},
        {"empty", {}, std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(FindBiosMajorRelease(row.table), row.major) << row.name;
}

TEST(DmiTable, EntryPointsThatCannotBeFollowedGiveFalse) {
    Bytes table(0x20, 0);
    table[1] = 0x18;
    table[0x14] = 4;
    fakes::ModelMachine legacy = MachineWith(DmiEntryPoint(kTable, 0x20), table);
    EXPECT_TRUE(IsDmiBiosMajorRelease4(legacy));
    fakes::ModelMachine only64 = MachineWith(Sm3EntryPoint(kTable, 0x20), table);
    EXPECT_TRUE(IsDmiBiosMajorRelease4(only64));
    // The 32-bit entry point is preferred to the 64-bit one.
    fakes::ModelMachine both = MachineWith(DmiEntryPoint(kTable, 0x20), table);
    Bytes other = table;
    other[0x14] = 3;
    both.AddMemory(0x10000000, other);
    const Bytes sm3 = Sm3EntryPoint(0x10000000, 0x20);
    both.PutText(0xF0100, std::string(sm3.begin(), sm3.end()));
    EXPECT_EQ(ReadDmiBiosMajorRelease(both), 4);

    const struct {
        const char* name;
        Bytes entry;
    } rows[] = {
        {"above 4 GiB", Sm3EntryPoint(0x100000000 + kTable, 0x20)},
        {"runs past 4 GiB", Sm3EntryPoint(0xFFFFFFF0, 0x20)},
        {"longer than the memory served", DmiEntryPoint(kTable, 0x21)},
        {"empty table", DmiEntryPoint(kTable, 0)},
        {"no anchor", Bytes(0x20, '_')},
    };
    for (const auto& row : rows) {
        fakes::ModelMachine machine = MachineWith(row.entry, table);
        EXPECT_FALSE(IsDmiBiosMajorRelease4(machine)) << row.name;
    }

    fakes::ModelMachine closed = MachineWith(DmiEntryPoint(kTable, 0x20), table);
    closed.deviceOpen = false;
    EXPECT_FALSE(IsDmiBiosMajorRelease4(closed));
    fakes::ModelMachine atWindowEnd;  // the entry point's fields lie past the window
    atWindowEnd.AddMemory(0xF0000, Bytes(0x10000, 0));
    atWindowEnd.PutText(0xFFFFB, "_DMI_");
    EXPECT_FALSE(IsDmiBiosMajorRelease4(atWindowEnd));
}

}  // namespace
}  // namespace veltra
