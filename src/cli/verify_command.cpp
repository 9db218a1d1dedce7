#include "cli/verify_command.h"

#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/json.h"
#include "cli/plain_text.h"
#include "cli/server_files.h"
#include "cli/update_services.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "platform/platform.h"
#include "transfer/update_server.h"
#include "trust/file_digest.h"
#include "trust/manifest_check.h"
#include "trust/manifest_fields.h"
#include "trust/sequence_store.h"
#include "trust/signed_list_files.h"

namespace veltra {
namespace {

struct FolderReport {
    std::string folder;
    std::string list;     // "accepted", "missing" or why it was refused
    std::string message;  // what a user is told of a refused list
    std::optional<Manifest> manifest;
    std::vector<std::pair<std::string, std::string>> files;  // path and "ok", "missing", ...
};

constexpr const char* kListWords[] = {"accepted", "malformed", "bad signature", "expired", "replayed", "wrong folder"};
constexpr const char* kFileWords[] = {"ok", "missing", "size mismatch", "hash mismatch"};
constexpr const char* kOutOfTime = "not reached in time";

std::vector<std::uint8_t> FetchSmall(ServerFiles& files, IFileSystem& fileSystem, const std::string& path,
                                     std::size_t limit) {
    const std::optional<std::u16string> local = files.Fetch(path);
    return local ? ReadSmallFile(fileSystem, *local, limit) : std::vector<std::uint8_t>{};
}

std::string FileOutcome(ServerFiles& files, Platform& platform, ICrypto& crypto, const Manifest& manifest,
                        const ManifestEntry& entry) {
    const std::optional<std::u16string> local = files.Fetch(entry.path);
    if (!local && files.OutOfTime()) return kOutOfTime;
    const std::optional<FileDigest> digest = local ? DigestFile(platform.fileSystem, crypto, *local) : std::nullopt;
    if (!digest) return kFileWords[1];
    return kFileWords[static_cast<int>(CheckFile(manifest, entry.path, digest->size, digest->sha256))];
}

FolderReport VerifyFolder(ServerFiles& files, Platform& platform, UpdateServices& services, ServerFolder folder) {
    FolderReport report{folder == ServerFolder::DataBase ? "DataBase" : "DQATest", "missing", {}, {}, {}};
    const std::vector<std::uint8_t> list =
        FetchSmall(files, platform.fileSystem, report.folder + "/manifest.txt", kMaxManifestBytes);
    if (list.empty()) {
        if (files.OutOfTime()) report.list = kOutOfTime;
        return report;
    }
    const std::vector<std::uint8_t> signature =
        FetchSmall(files, platform.fileSystem, report.folder + "/manifest.sig", kMaxSignatureBytes);
    const ManifestCheck check =
        CheckManifest(*services.crypto, services.updateKey, list, signature, report.folder,
                      platform.clock.ToSeconds(platform.clock.LocalNow()), LastAcceptedSequence(platform.registry, folder));
    report.list = kListWords[static_cast<int>(check.verdict)];
    report.message = Utf16ToUtf8(DescribeVerdict(check).message);
    report.manifest = check.manifest;
    if (!check.manifest) return report;
    for (const ManifestEntry& entry : check.manifest->files)
        report.files.emplace_back(entry.path, FileOutcome(files, platform, *services.crypto, *check.manifest, entry));
    return report;
}

bool AllAsSigned(const std::vector<FolderReport>& reports) {
    for (const FolderReport& report : reports) {
        if (!report.manifest) return false;
        for (const auto& file : report.files) {
            if (file.second != kFileWords[0]) return false;
        }
    }
    return true;
}

void PrintPlain(const std::vector<FolderReport>& reports, std::ostream& out) {
    for (const FolderReport& report : reports) {
        out << report.folder << "/manifest.txt: " << report.list;
        if (report.manifest) {
            out << ", sequence " << report.manifest->sequence << ", expires " << UtcTimeText(report.manifest->expires);
        } else if (!report.message.empty()) {
            out << ": " << report.message;
        }
        out << '\n';
        for (const auto& [path, outcome] : report.files) out << outcome << '\t' << PlainText(path) << '\n';
    }
}

void PrintJson(const std::vector<FolderReport>& reports, std::ostream& out) {
    JsonValue::Array folders;
    for (const FolderReport& report : reports) {
        JsonValue folder;
        folder.Add("folder", report.folder);
        folder.Add("manifest", report.list);
        if (report.manifest) {
            folder.Add("sequence", static_cast<std::int64_t>(report.manifest->sequence));
            folder.Add("expires", UtcTimeText(report.manifest->expires));
        }
        JsonValue::Array files;
        for (const auto& [path, outcome] : report.files) files.push_back(JsonValue().Add("path", path).Add("outcome", outcome));
        folder.Add("files", std::move(files));
        folders.push_back(std::move(folder));
    }
    out << JsonValue().Add("folders", std::move(folders)).Serialize() << '\n';
}

}  // namespace

int RunVerifyCommand(const CliOptions& options, Platform& platform, UpdateServices& services, std::ostream& out,
                     std::ostream& err) {
    if (services.updateKey.empty()) {
        err << "veltra-cli: this build pins no signing key, so there is nothing to verify against\n";
        return 1;
    }
    std::unique_ptr<ServerFiles> files;
    if (options.tree) {
        files = LocalTreeFiles(platform.fileSystem, *options.tree);
    } else {
        VT5Record vt5;
        if (!IdentifyWorkFolder(options, platform, vt5, err)) return 1;
        files = ServerTreeFiles(services, platform, UpdateServerBase(platform.registry, options.server),
                                vt5.sWorkPath + u"VT5\\DL_INFO\\verify.tmp", options.deadlineSeconds);
    }
    std::vector<FolderReport> reports;
    for (ServerFolder folder : {ServerFolder::DataBase, ServerFolder::DQATest})
        reports.push_back(VerifyFolder(*files, platform, services, folder));
    if (options.json) {
        PrintJson(reports, out);
    } else {
        PrintPlain(reports, out);
    }
    return AllAsSigned(reports) ? 0 : 1;
}

}  // namespace veltra
