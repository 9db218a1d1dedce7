#pragma once
#include <array>
#include <string>

namespace veltra {

// One catalogue of a scan: its category bit, its file name and the log line of its fetch.
struct CatalogueStep {
    int code;
    const char16_t* file;
    const char16_t* logLine;
};

// The catalogues in the order a scan fetches them.
const std::array<CatalogueStep, 7>& CatalogueSteps();

// Where a step's catalogue lies below the server's base address ("/DataBase/VT5/DRVList.rec";
// the MB BIOS list one folder up), in the DQA TEST folder for a PC in that mode.
std::u16string CataloguePath(const CatalogueStep& step, bool dqaTest);

}  // namespace veltra
