#include "transfer/update_trust.h"

#include "core/debug_log.h"
#include "core/text.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "trust/manifest_path.h"
#include "trust/signed_list_files.h"

namespace veltra {

UpdateTrust::UpdateTrust(std::vector<std::uint8_t> publicKey, ICrypto& crypto, IRegistry& registry, IFileSystem& files,
                         IClock& clock)
    : publicKey_(std::move(publicKey)), crypto_(crypto), registry_(registry), files_(files), clock_(clock) {}

ManifestCheck UpdateTrust::Check(const ManifestSource& source, const std::vector<std::uint8_t>& list,
                                 const std::vector<std::uint8_t>& signature) {
    const std::int64_t now = clock_.ToSeconds(clock_.LocalNow());
    ManifestCheck check =
        CheckManifest(crypto_, publicKey_, list, signature, Utf16ToUtf8(source.Folder()), now,
                      LastAcceptedSequence(registry_, source.Which()));
    DebugLog(DescribeVerdict(check).logLine);
    return check;
}

ManifestCheck UpdateTrust::Accept(const ManifestSource& source) {
    inForce_.reset();
    const std::vector<std::uint8_t> list = ReadSmallFile(files_, source.FetchedListPath(), kMaxManifestBytes);
    const std::vector<std::uint8_t> signature = ReadSmallFile(files_, source.FetchedSignaturePath(), kMaxSignatureBytes);
    ManifestCheck check = Check(source, list, signature);
    if (check.verdict != ManifestVerdict::Accepted) return check;
    if (!RememberAcceptedSequence(registry_, source.Which(), check.manifest->sequence))
        DebugLog(u"The signed file list's sequence number could not be kept");
    // Not kept, the list still holds for this run; a later one asks for a new scan.
    if (!WriteWholeFile(files_, source.ListPath(), list) || !WriteWholeFile(files_, source.SignaturePath(), signature))
        DebugLog(u"The signed file list could not be kept");
    inForce_ = check.manifest;
    inForceFolder_ = source.Folder();
    return check;
}

bool UpdateTrust::LoadKept(const ManifestSource& source, std::u16string& refusal) {
    if (inForce_ && inForceFolder_ == source.Folder()) return true;
    if (!files_.Exists(source.ListPath())) {
        DebugLog(u"File refused: no signed file list has been accepted yet");
        refusal = u"Please scan for updates first: the update server's signed file list is not here yet.";
        return false;
    }
    const ManifestCheck check = Check(source, ReadSmallFile(files_, source.ListPath(), kMaxManifestBytes),
                                      ReadSmallFile(files_, source.SignaturePath(), kMaxSignatureBytes));
    if (check.verdict != ManifestVerdict::Accepted) {
        refusal = DescribeVerdict(check).message + u" Please scan for updates again.";
        return false;
    }
    inForce_ = check.manifest;
    inForceFolder_ = source.Folder();
    return true;
}

std::optional<ExpectedFile> UpdateTrust::Expect(const ManifestSource& source, const std::u16string& url,
                                                std::u16string& refusal) {
    if (!LoadKept(source, refusal)) return std::nullopt;
    const std::optional<std::string> path = ManifestPath(url, source.base);
    const ManifestEntry* entry = path ? inForce_->Find(*path) : nullptr;
    if (entry == nullptr) {
        const VerdictText text = DescribeVerdict(FileVerdict::NotListed, path ? *path : Utf16ToUtf8(url));
        DebugLog(text.logLine);
        refusal = text.message;
        return std::nullopt;
    }
    return ExpectedFile{entry->size, entry->sha256};
}

}  // namespace veltra
