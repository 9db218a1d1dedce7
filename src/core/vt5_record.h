#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"

namespace veltra {

struct VGAInfo;  // the graphics card description, filled by card identification

// Scroll state of a six-row list.
struct ScrollState {
    int nCurr = 0;
    int nPage = 0;
    int nMax = 0;
    int nTotal = 0;
};

// The one record of state shared by the program's parts; each field has one writer.
struct VT5Record {
    // Start-up identification, read-only once the main set-up has run.
    std::u16string sWorkPath;
    std::u16string sInstallDir;
    std::u16string sAppVersion;
    std::u16string sLibVersion;
    int nOS = 0;
    std::u16string sOSName;
    std::u16string sOSCode;
    std::u16string cMB_Model;
    std::u16string cMB_BIOS_Version;
    std::u16string cMB_BIOS_Vendor;
    std::u16string sHomeModel;
    std::u16string sHomeBIOSVersion;
    std::shared_ptr<VGAInfo> pVGA;
    std::vector<std::u16string> saPciIds;
    int bReminderStart = 0;
    DateTime tLastScan;
    // Working values of the graphics card's PCI walk.
    int bMakerCard = 0;
    int nChipVendor = 0;

    // Scan and result state.
    int resultCount = 0;
    int nSelectMask = 0;
    int pendingMask = 0;
    int currentCode = 0;
    std::u16string sUpdateCount;

    // Download state.
    int nDownloadMode = 0;
    int nCurrentItem = 0;
    std::u16string sLastFile;
    std::u16string sSaveFolder;

    ScrollState scl;
    ScrollState scl2;
};

}  // namespace veltra
