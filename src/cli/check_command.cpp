#include "cli/check_command.h"

#include <memory>

#include "catalogue/check_driver.h"
#include "catalogue/installed_versions.h"
#include "catalogue/result_list.h"
#include "cli/cli_options.h"
#include "cli/machine_identity.h"
#include "cli/plain_text.h"
#include "cli/result_report.h"
#include "cli/saved_identity.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "platform/platform.h"
#include "startup/startup_identification.h"
#include "trust/signed_list_files.h"

namespace veltra {
namespace {

// An identity file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxIdentityBytes = 4 * 1024 * 1024;

void PrintResults(const CliOptions& options, const ResultList& list, std::ostream& out) {
    out << (options.json ? ResultJson(list).Serialize() + "\n" : ResultLines(list));
}

}  // namespace

bool IdentifyWorkFolder(const CliOptions& options, Platform& platform, VT5Record& vt5, std::ostream& err) {
    if (RunStartupIdentification(platform, vt5, options.workFolder)) return true;
    err << "veltra-cli: the executable's folder path is longer than 255 characters; use --work\n";
    return false;
}

int RecordRefused(const std::u16string& failure, std::ostream& err) {
    err << "veltra-cli: " << PlainText(failure) << '\n';
    return 1;
}

std::unique_ptr<IInstalledVersions> LoadSavedMachine(const CliOptions& options, Platform& platform, VT5Record& vt5,
                                                     CheckInputs& inputs, std::string& error) {
    const std::optional<std::vector<std::uint8_t>> bytes =
        ReadWholeFile(platform.fileSystem, *options.identityFile, kMaxIdentityBytes);
    if (!bytes) {
        error = "cannot read the identity file " + Utf16ToUtf8(*options.identityFile);
        return nullptr;
    }
    SavedIdentityResult saved = ParseSavedIdentity({reinterpret_cast<const char*>(bytes->data()), bytes->size()});
    if (!saved.identity) {
        error = saved.error;
        return nullptr;
    }
    ApplySavedIdentity(*saved.identity, vt5);
    inputs = saved.identity->facts.Inputs();
    return std::make_unique<RecordedInstalledVersions>(std::move(saved.identity->facts.installed),
                                                       saved.identity->facts.nvidiaDriverVersion, platform.codePage);
}

int RunCheckCommand(const CliOptions& options, Platform& platform, IWmi& wmi, std::ostream& out, std::ostream& err) {
    VT5Record vt5;
    CheckInputs inputs;
    std::unique_ptr<IInstalledVersions> installed;
    const int exitCode = PrepareMachine(options, platform, wmi, vt5, inputs, installed, err);
    if (exitCode != kIdentified) return exitCode;
    CatalogueFileSet dbf;
    CheckListState checkList;
    CheckResultWriter writer(vt5, platform.codePage);
    CheckContext context{vt5, inputs, *installed, platform.fileSystem, platform.codePage, dbf, writer};
    Check_Download_Information(context, checkList, options.categories);
    if (!checkList.failure.empty()) return RecordRefused(checkList.failure, err);
    PrintResults(options, checkList.list, out);
    return 0;
}

int RunListCommand(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err) {
    VT5Record vt5;
    if (!IdentifyWorkFolder(options, platform, vt5, err)) return 1;
    CheckListState checkList;
    ReloadCheckList(platform.fileSystem, checkList, platform.codePage, vt5);
    if (!checkList.failure.empty()) return RecordRefused(checkList.failure, err);
    PrintResults(options, checkList.list, out);
    return 0;
}

}  // namespace veltra
