#include "cli/mirror_command.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/text.h"
#include "core/vt5_record.h"
#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/mirror_folder.h"
#include "cli/mirror_plan.h"
#include "cli/mirror_progress.h"
#include "cli/mirror_selection.h"
#include "cli/plain_text.h"
#include "cli/server_transfer.h"
#include "cli/update_services.h"
#include "transfer/download_engine.h"
#include "transfer/update_server.h"
#include "platform/platform.h"
#include "trust/file_digest.h"
#include "trust/manifest_check.h"
#include "trust/signed_list_files.h"

namespace veltra {
namespace {

constexpr const char* kFolders[] = {"DataBase", "DQATest"};
constexpr const char* kLinkInTheWay = "a symbolic link or junction is in its way, so nothing was written through it";

// A server folder's signed list as served, once accepted.
struct ServedList {
    std::string folder;
    std::vector<std::uint8_t> text;
    std::vector<std::uint8_t> signature;
    Manifest manifest;
};

std::string WhyNotFetched(int webStop) {
    static constexpr const char* kWhy[] = {"", "stopped", "the server did not deliver it",
                                           "not the size and hash its signed list gives, so it was not kept",
                                           "it could not be written in the mirror folder (read-only or full)"};
    return kWhy[std::clamp(webStop, 0, 4)];
}

class MirrorRun {
public:
    MirrorRun(const CliOptions& options, Platform& platform, UpdateServices& services,
              const std::optional<MirrorSelection>& selection, std::u16string scratch, std::ostream& out, std::ostream& err)
        : options_(options), platform_(platform), services_(services), selection_(selection), files_(platform.fileSystem),
          folder_(files_, *services.mirrorFolder, *options.mirrorFolder),
          transfer_(services, platform, UpdateServerBase(platform.registry, options.server), options.deadlineSeconds),
          scratch_(std::move(scratch)), out_(out), err_(err) {}
    ~MirrorRun() { files_.Remove(scratch_); }

    int Run() {
        if (!folder_.Prepare(err_)) return 1;
        std::vector<Manifest> held, served;
        for (const char* folder : kFolders) FetchList(folder, held, served);
        const MirrorPlan plan = PlanMirror(
            served, held, folder_.Files(), [this](const ManifestEntry& entry) { return Holds(entry); },
            [this](std::string_view path) { return !selection_ || selection_->Wants(path); });
        if (selection_) FailUnlisted(selection_->PcFiles(), served);
        for (const std::string& path : plan.held) out_ << "held\t" << PlainText(path) << '\n';
        FetchFiles(plan.fetch);
        if (failed_ == 0) PlaceLists();
        if (failed_ == 0 && options_.prune) Prune(plan.prune);
        return Summary();
    }

private:
    // The list and its signature are checked before anything of the server is written, and
    // against the list the mirror holds, so an older list cannot take its place.
    void FetchList(const std::string& folder, std::vector<Manifest>& held, std::vector<Manifest>& served) {
        const std::string listPath = folder + "/manifest.txt";
        const ManifestRead heldList =
            folder_.LinkOnTheWay(listPath) ? ManifestRead{}
                                           : ReadManifest(ReadSmallFile(files_, folder_.LocalPath(listPath), kMaxManifestBytes));
        if (heldList.manifest) held.push_back(*heldList.manifest);
        ServedList list{folder, FetchSmall(listPath, kMaxManifestBytes), FetchSmall(folder + "/manifest.sig", kMaxSignatureBytes), {}};
        if (list.text.empty()) {
            Fail(listPath, "the server did not deliver it");
            return;
        }
        const ManifestCheck check = CheckManifest(*services_.crypto, services_.updateKey, list.text, list.signature, folder,
                                                  Now(), heldList.manifest ? heldList.manifest->sequence : 0);
        if (!check.manifest) {
            Fail(listPath, Utf16ToUtf8(DescribeVerdict(check).message));
            return;
        }
        list.manifest = *check.manifest;
        served.push_back(list.manifest);
        lists_.push_back(std::move(list));
    }

    std::vector<std::uint8_t> FetchSmall(const std::string& path, std::size_t limit) {
        files_.Remove(scratch_);
        if (transfer_.Fetch(path, scratch_) != kWebStopNone) return {};
        return ReadSmallFile(files_, scratch_, limit);
    }

    bool Holds(const ManifestEntry& entry) {
        if (folder_.LinkOnTheWay(entry.path)) return false;
        const std::optional<FileDigest> digest = DigestFile(files_, *services_.crypto, folder_.LocalPath(entry.path));
        return digest && digest->size == entry.size && digest->sha256 == entry.sha256;
    }

    void FetchFiles(const std::vector<ManifestEntry>& entries) {
        std::uint64_t bytes = 0;
        for (const ManifestEntry& entry : entries) bytes += entry.size;
        MirrorProgress progress(err_, services_.errorIsConsole, platform_.clock, static_cast<int>(entries.size()), bytes);
        transfer_.OnProgress([&progress](int percent) { progress.Percent(percent); });
        for (const ManifestEntry& entry : entries) {
            progress.Begin(entry.path, entry.size);
            const bool fetched = FetchInto(entry.path, ExpectedFile{entry.size, entry.sha256});
            progress.End();
            if (!fetched) continue;
            ++fetched_;
            out_ << "fetched\t" << PlainText(entry.path) << '\n';
        }
        progress.Finish();
        transfer_.OnProgress({});
    }

    // Through the engine's own temporary file, which replaces the target in one rename and
    // only with the signed size and hash.
    bool FetchInto(const std::string& path, const ExpectedFile& expected) {
        if (folder_.LinkOnTheWay(path)) return Fail(path, kLinkInTheWay);
        if (!folder_.MakeFolders(path)) return Fail(path, "its folder cannot be made in the mirror folder");
        const int outcome = transfer_.Fetch(path, folder_.LocalPath(path), expected);
        return outcome == kWebStopNone || Fail(path, WhyNotFetched(outcome));
    }

    // Each signature, then its list, fetched again and placed only as the bytes accepted:
    // a PC reading the mirror sees the old list or the new one, and the new one's files are there.
    void PlaceLists() {
        for (const ServedList& list : lists_) {
            for (const auto& [name, bytes] : {std::pair{"/manifest.sig", &list.signature}, {"/manifest.txt", &list.text}}) {
                const std::string path = list.folder + name;
                if (FetchInto(path, ExpectedFile{bytes->size(), Digest(*bytes)})) out_ << "placed\t" << path << '\n';
            }
        }
    }

    // A file a PC's check offers that the server's signed list does not vouch for: the PC
    // would refuse it from the mirror as from the server.
    void FailUnlisted(const std::set<std::string>& paths, const std::vector<Manifest>& served) {
        for (const std::string& path : paths) {
            if (std::none_of(served.begin(), served.end(), [&](const Manifest& list) { return list.Find(path) != nullptr; }))
                Fail(path, "the server's signed list does not name it, so it was not fetched");
        }
    }

    void Prune(const std::vector<std::string>& paths) {
        for (const std::string& path : paths) {
            if (folder_.LinkOnTheWay(path)) {
                Fail(path, kLinkInTheWay);
            } else if (!files_.Remove(folder_.LocalPath(path))) {
                Fail(path, "it could not be removed");
            } else {
                out_ << "removed\t" << PlainText(path) << '\n';
            }
        }
    }

    int Summary() {
        out_ << fetched_ << " fetched, " << failed_ << " failed\n";
        if (failed_ == 0) return 0;
        err_ << "veltra-cli: " << failed_ << (failed_ == 1 ? " file" : " files")
             << " failed; the mirror keeps the signed lists it had, and the files already there\n";
        return 1;
    }

    // Names the file on standard error; false, for the caller to pass on.
    bool Fail(const std::string& path, const std::string& why) {
        err_ << "veltra-cli: " << PlainText(path) << ": " << why << '\n';
        ++failed_;
        return false;
    }

    Sha256Digest Digest(const std::vector<std::uint8_t>& bytes) {
        const std::unique_ptr<ISha256> hash = services_.crypto->NewSha256();
        hash->Add(bytes);
        return hash->Finish();
    }

    std::int64_t Now() { return platform_.clock.ToSeconds(platform_.clock.LocalNow()); }

    const CliOptions& options_;
    Platform& platform_;
    UpdateServices& services_;
    const std::optional<MirrorSelection>& selection_;
    IFileSystem& files_;
    MirrorFolder folder_;
    ServerTransfer transfer_;
    std::u16string scratch_;
    std::ostream& out_;
    std::ostream& err_;
    std::vector<ServedList> lists_;
    int fetched_ = 0;
    int failed_ = 0;
};

}  // namespace

int RunMirrorCommand(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices& services,
                     std::ostream& out, std::ostream& err) {
    if (services.updateKey.empty()) {
        err << "veltra-cli: this build pins no signing key, so nothing could be checked as it arrives\n";
        return 1;
    }
    if (services.mirrorFolder == nullptr) {
        err << "veltra-cli: mirror is not available here\n";
        return 1;
    }
    VT5Record vt5;
    if (!IdentifyWorkFolder(options, platform, vt5, err)) return 1;
    std::optional<MirrorSelection> selection;
    if (!SelectMirrorFiles(options, platform, wmi, services, err, selection)) return 1;
    MirrorRun run(options, platform, services, selection, vt5.sWorkPath + u"VT5\\DL_INFO\\mirror.tmp", out, err);
    return run.Run();
}

}  // namespace veltra
