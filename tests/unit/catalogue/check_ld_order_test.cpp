#include <gtest/gtest.h>

#include <random>

#include "catalogue/checks.h"
#include "catalogue/device_tables.h"
#include "catalogue/text_compare.h"
#include "catalogue/text_mode_reader.h"
#include "catalogue/version_rules.h"
#include "catalogue_fixture.h"

namespace veltra::testing {
namespace {

struct Offer {
    std::string name;
    std::string current;
    std::string online;
    bool operator==(const Offer&) const = default;
};

// The board-driver check as nested loops that read the driver list again for every device
// row: the order and number of results the one-pass check must reproduce.
std::vector<Offer> NestedLoopReference(CheckFixture& f) {
    std::vector<Offer> offers;
    auto vidDid = f.fake.fileSystem.Open(CatalogueFolder(kWork) + u"VIDDID.rec", FileOpenMode::ReadOnly);
    auto drvList = f.fake.fileSystem.Open(CatalogueFolder(kWork) + u"DRVList.rec", FileOpenMode::ReadOnly);
    const std::string os = f.fake.codePage.ToAnsi(f.vt5.sOSCode);
    for (const std::u16string& pci : f.vt5.saPciIds) {
        for (const VidDidRow& row : ReadVidDidTable(*vidDid)) {
            if (!row.IsUsable() || row.deviceIds.find(f.fake.codePage.ToAnsi(pci)) == std::string::npos) continue;
            TextModeReader reader(*drvList);
            for (const DriverRow& driver : ReadDriverTable(reader)) {
                if (!driver.IsForSystem(os) || !EqualsFoldingAtoZ(driver.driverKey, row.driverKey)) continue;
                const std::string installed = Utf16ToUtf8(f.installed.GetInstalledVersion(driver.name));
                if (!installed.empty() && !IsOrdinalLower(Utf8ToUtf16(installed), Utf8ToUtf16(driver.version))) continue;
                offers.push_back({driver.name, installed.empty() ? "Unknown" : installed, driver.version});
            }
        }
    }
    return offers;
}

std::string Pick(std::mt19937& random, const std::vector<std::string>& choices) {
    return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random)];
}

void FillRandomCatalogues(CheckFixture& f, std::mt19937& random) {
    const std::vector<std::string> keys = {"LAN", "lan", "Audio", "AUDIO", "CHIP", "raid", "Sata"};
    const std::vector<std::string> devices = {"VEN_1E7B&DEV_5A68", "VEN_1F3C&DEV_2A22", "VEN_1F3C&DEV_2A40",
                                              "VEN_1F3C&DEV_2A10", "VEN_1E7B&DEV_5A68VEN_1F3C"};
    std::vector<unsigned char> table;
    for (int i = std::uniform_int_distribution<int>(0, 40)(random); i > 0; --i) {
        const auto row = VidDidBytes(Pick(random, {"R", "r", "X", ""}), Pick(random, keys), Pick(random, devices));
        table.insert(table.end(), row.begin(), row.end());
    }
    f.AddCatalogue(u"VIDDID.rec", table);
    std::vector<unsigned char> list;
    for (int i = std::uniform_int_distribution<int>(0, 60)(random); i > 0; --i) {
        const std::string name = "Driver " + std::to_string(i % 9);
        const auto row = DriverBytes(Pick(random, keys), Pick(random, {"ALL", "W764", "XP32 V32", "W732 W764", ""}),
                                     Pick(random, {"1.0", "2.5", "10.0", "9.1"}), name);
        list.insert(list.end(), row.begin(), row.end());
        if (i % 4 == 0) f.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\" + Utf8ToUtf16(name), u"Version", u"2.5");
    }
    f.AddCatalogue(u"DRVList.rec", list);
    f.vt5.saPciIds.clear();
    for (int i = std::uniform_int_distribution<int>(0, 6)(random); i > 0; --i) {
        f.vt5.saPciIds.push_back(Utf8ToUtf16(Pick(random, devices).substr(0, 17)));
    }
}

TEST(CheckLDOrder, OnePassGivesTheNestedLoopsResultsInTheirOrder) {
    std::mt19937 random(20261207);
    int nonEmpty = 0;
    for (int round = 0; round < 100; ++round) {
        CheckFixture f;
        FillRandomCatalogues(f, random);
        f.Open(0);
        const int written = Check_LD(f.context);
        std::vector<Offer> actual;
        for (const CheckRecord& record : f.Records()) actual.push_back({record.item, record.currentVersion, record.onlineVersion});
        const std::vector<Offer> expected = NestedLoopReference(f);
        ASSERT_EQ(actual, expected) << "round " << round;
        EXPECT_EQ(written, static_cast<int>(expected.size()));
        nonEmpty += expected.empty() ? 0 : 1;
    }
    EXPECT_GT(nonEmpty, 50);  // the random catalogues do exercise the matching
}

}  // namespace
}  // namespace veltra::testing
