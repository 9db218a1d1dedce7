#pragma once
#include <string>
#include <vector>

namespace veltra::bench {

// A realistic large catalogue set, made up deterministically: thousands of BIOS entries,
// a driver list and a device table of several megabytes, and a machine with 40 PCI devices.
struct LargeCatalogueSet {
    std::vector<std::pair<std::u16string, std::vector<unsigned char>>> files;  // name, bytes
    std::vector<std::u16string> pciIds;
};

LargeCatalogueSet MakeLargeCatalogueSet();

}  // namespace veltra::bench
