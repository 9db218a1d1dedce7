#include "cli/update_session.h"

#include <algorithm>

#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/machine_identity.h"
#include "cli/update_services.h"
#include "core/text.h"
#include "platform/message_pump.h"
#include "platform/platform.h"
#include "transfer/update_server.h"

namespace veltra {
namespace {

constexpr int kThumbPosition = 4;

}  // namespace

UpdateSession::UpdateSession(Platform& platform_, UpdateServices& services_, std::ostream& err)
    : platform(platform_),
      services(services_),
      writer(vt5, platform_.codePage),
      transfers(services_.transfers),
      view(err, services_.errorIsConsole) {}

bool UpdateSession::Open(const CliOptions& options, IWmi& wmi, std::ostream& err) {
    CheckInputs inputs;
    exitCode = PrepareMachine(options, platform, wmi, vt5, inputs, installed, err);
    if (exitCode != kIdentified) return false;
    context = std::make_unique<CheckContext>(
        CheckContext{vt5, inputs, *installed, platform.fileSystem, platform.codePage, dbf, writer});
    history = std::make_unique<HistoryFile>(platform.fileSystem, platform.codePage, HistoryPath(vt5.sWorkPath));
    lastScan = std::make_unique<LastScanRecord>(platform.fileSystem, LastScanPath(vt5.sWorkPath));
    if (!services.updateKey.empty()) {
        trust = std::make_unique<UpdateTrust>(services.updateKey, *services.crypto, platform.registry,
                                              platform.fileSystem, platform.clock);
    }
    page = std::make_unique<UpdatePage>(UpdatePageServices{*context, checkList, transfers, platform.messageBox,
                                                           platform.clock, services.starter, *history, *lastScan,
                                                           UpdateServerBase(platform.registry, options.server),
                                                           ReadTransferLimits(platform.registry), trust.get()},
                                        view);
    page->Init();
    if (!checkList.failure.empty()) {
        exitCode = RecordRefused(checkList.failure, err);
        return false;
    }
    exitCode = 0;
    return true;
}

void UpdateSession::WaitForListView() {
    services.pump.PumpUntil([this] { return page->State() == PageState::List; });
}

int UpdateSession::ShowRecord(int index) {
    for (int row = 1; row <= checkList.list.count; ++row) {
        if (checkList.list.rows[static_cast<std::size_t>(row - 1)][7] != DecimalText(index)) continue;
        page->OnVScroll(kThumbPosition, std::min(row - 1, vt5.scl.nMax));
        return row - vt5.scl.nCurr;
    }
    return 0;
}

}  // namespace veltra
