#include "ui/win32/page_services.h"

#include "core/vt5_record.h"
#include "platform/platform.h"
#include "transfer/transfer_limits.h"
#include "trust/pinned_key.h"

namespace veltra {

PageServices::PageServices(Platform& platform_, VT5Record& vt5, CheckInputs inputs, std::u16string serverBase_)
    : platform(platform_),
      installed(platform_.registry, platform_.codePage),
      writer(vt5, platform_.codePage),
      checks{vt5, inputs, installed, platform_.fileSystem, platform_.codePage, dbf, writer},
      history(platform_.fileSystem, platform_.codePage, HistoryPath(vt5.sWorkPath)),
      lastScan(platform_.fileSystem, LastScanPath(vt5.sWorkPath)),
      serverBase(std::move(serverBase_)) {
    std::vector<std::uint8_t> key = PinnedPublicKey();
    if (!key.empty()) {
        trust = std::make_unique<UpdateTrust>(std::move(key), crypto, platform_.registry, platform_.fileSystem,
                                              platform_.clock);
    }
}

UpdatePageServices PageServices::ForUpdatePage() {
    return {checks,          checkList, transfers, platform.messageBox, platform.clock,
            starter,         history,   lastScan,  serverBase, ReadTransferLimits(platform.registry),
            trust.get()};
}

}  // namespace veltra
