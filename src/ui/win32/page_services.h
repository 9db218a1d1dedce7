#pragma once
#include <string>

#include "catalogue/catalogue_files.h"
#include "catalogue/check_context.h"
#include "catalogue/installed_versions.h"
#include "catalogue/result_list.h"
#include "core/last_scan.h"
#include "history/history.h"
#include "platform/win32/win32_crypto.h"
#include "platform/win32/win32_update_host.h"
#include "transfer/win32/win32_url_transfers.h"
#include "update_pages/update_page.h"

namespace veltra {

struct Platform;
struct VT5Record;

// What the update and History pages work on, made once the set-up knows the work folder
// and the machine, and kept for the run.
struct PageServices {
    PageServices(Platform& platform, VT5Record& vt5, CheckInputs inputs, std::u16string serverBase);
    PageServices(const PageServices&) = delete;
    PageServices& operator=(const PageServices&) = delete;

    UpdatePageServices ForUpdatePage();

    Platform& platform;
    CatalogueFileSet dbf;
    CheckListState checkList;
    RegistryInstalledVersions installed;
    CheckResultWriter writer;
    CheckContext checks;
    Win32UrlTransfers transfers;
    Win32ProgramStarter starter;
    HistoryFile history;
    LastScanRecord lastScan;
    std::u16string serverBase;
    Win32Crypto crypto;
    std::unique_ptr<UpdateTrust> trust;  // null when the build pins no key
};

}  // namespace veltra
