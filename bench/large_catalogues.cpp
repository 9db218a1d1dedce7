#include "large_catalogues.h"

#include <random>

#include "catalogue/device_tables.h"

namespace veltra::bench {
namespace {

constexpr int kBiosEntries = 6000;
constexpr int kDriverRows = 5000;
constexpr int kDeviceRows = 60000;
constexpr int kDistinctDevices = 2000;
constexpr int kMachineDevices = 40;
constexpr int kDriverKeys = 1000;

std::string Hex4(unsigned value) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (int shift = 12; shift >= 0; shift -= 4) text.push_back(kHex[(value >> shift) & 0xF]);
    return text;
}

std::string DeviceId(int n) { return "VEN_" + Hex4(0x1F00u + static_cast<unsigned>(n % 97)) + "&DEV_" + Hex4(static_cast<unsigned>(n)); }

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string BiosList(std::mt19937& random) {
    std::string text = "<?xml version=\"1.0\"?>\n<BIOSList>\n";
    for (int i = 0; i < kBiosEntries; ++i) {
        const std::string model = "QB-" + std::to_string(7000 + static_cast<int>(random() % 600));
        const std::string version = "1." + std::to_string(10 + i % 90);
        text += "<" + model + ">\n  <Vendor>Corvid</Vendor>\n  <Version>" + version + "</Version>\n  <WebPath>" + model +
                "/" + version + "</WebPath>\n  <Size>1.0 MB</Size>\n  <VerRangeMin>None</VerRangeMin>\n"
                "  <VerRangeMax>None</VerRangeMax>\n  <SkipVer>2,1.05,1.10</SkipVer>\n"
                "  <Description>Improves compatibility with new memory modules.[br]Updates the microcode.</Description>\n"
                "  <MarkName>M" + std::to_string(i) + "</MarkName>\n</" + model + ">\n";
    }
    return text + "</BIOSList>\n";
}

std::vector<unsigned char> DriverList(std::mt19937& random) {
    static const char* const kSystems[] = {"ALL", "XP32 XP64", "V32 V64 W732 W764", "W764", "W732"};
    std::vector<unsigned char> bytes;
    for (int i = 0; i < kDriverRows; ++i) {
        const auto row = SerializeDriverRow({"KEY" + std::to_string(random() % kDriverKeys), kSystems[random() % 5],
                                             std::to_string(random() % 20) + "." + std::to_string(random() % 100),
                                             "Driver " + std::to_string(i % 700), "Drivers/" + std::to_string(i), "3 MB"});
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

std::vector<unsigned char> DeviceTable(std::mt19937& random) {
    std::vector<unsigned char> bytes;
    for (int i = 0; i < kDeviceRows; ++i) {
        const auto row = SerializeVidDidRow({random() % 10 == 0 ? "X" : "R", "KEY" + std::to_string(random() % kDriverKeys),
                                             DeviceId(static_cast<int>(random() % kDistinctDevices))});
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    return bytes;
}

std::string TagList(const char* section, const std::vector<std::string>& tags, int items) {
    std::string text = "<List>\n";
    for (int i = 0; i < items; ++i) {
        text += std::string("<") + section + ">\n";
        for (const std::string& tag : tags) text += "  <" + tag + ">value " + std::to_string(i) + "</" + tag + ">\n";
        text += std::string("</") + section + ">\n";
    }
    return text + "</List>\n";
}

}  // namespace

LargeCatalogueSet MakeLargeCatalogueSet() {
    std::mt19937 random(7100);
    LargeCatalogueSet set;
    set.files.emplace_back(u"BIOSList.xml", Bytes(BiosList(random)));
    set.files.emplace_back(u"DRVList.rec", DriverList(random));
    set.files.emplace_back(u"VIDDID.rec", DeviceTable(random));
    set.files.emplace_back(u"VDList.xml", Bytes(TagList("NVIDIA", {"NORVAVER", "DRVVER", "OS", "PATH", "SIZE", "ID"}, 2000)));
    set.files.emplace_back(u"VBList.xml", Bytes(TagList("QB-7600", {"Vendor", "Version", "NORVAVer", "WebPath", "Size", "MarkName"}, 2000)));
    const std::vector<std::string> utility = {"Item", "Version", "OS", "WebPath", "SIZE", "MBID", "VIDDID", "Description"};
    set.files.emplace_back(u"VT5_LMU.xml", Bytes(TagList("UTL", utility, 1000)));
    set.files.emplace_back(u"VT5_LOU.xml", Bytes(TagList("UTL", utility, 1000)));
    for (int i = 0; i < kMachineDevices; ++i) {
        const std::string id = DeviceId(i * (kDistinctDevices / kMachineDevices));
        set.pciIds.emplace_back(id.begin(), id.end());
    }
    return set;
}

}  // namespace veltra::bench
