#include "trust/manifest_check.h"

#include "core/text.h"
#include "trust/manifest_fields.h"

namespace veltra {
namespace {

std::u16string Text(const std::string& ascii) { return Utf8ToUtf16(ascii); }

ManifestCheck Refused(ManifestVerdict verdict, std::u16string reason) { return {verdict, std::nullopt, std::move(reason)}; }

}  // namespace

ManifestCheck CheckManifest(ICrypto& crypto, std::span<const std::uint8_t> publicKey,
                            std::span<const std::uint8_t> manifestBytes, std::span<const std::uint8_t> signature,
                            std::string_view folder, std::int64_t nowUtcSeconds, std::uint64_t lastAcceptedSequence) {
    if (!crypto.VerifyRsaSha256(publicKey, manifestBytes, signature)) {
        return Refused(ManifestVerdict::BadSignature, u"the signature does not match the pinned key");
    }
    ManifestRead read = ReadManifest(manifestBytes);
    if (!read.manifest) return Refused(ManifestVerdict::Malformed, Text(read.error));
    const Manifest& manifest = *read.manifest;
    // Before the sequence: another folder's number says nothing about this folder's lists.
    if (manifest.folder != folder) {
        return Refused(ManifestVerdict::WrongFolder, u"the list is for " + Text(manifest.folder) + u", fetched from " +
                                                         Text(std::string(folder)));
    }
    if (manifest.sequence < lastAcceptedSequence) {
        return Refused(ManifestVerdict::Replayed, u"sequence " + Text(std::to_string(manifest.sequence)) +
                                                      u" is lower than the last accepted " +
                                                      Text(std::to_string(lastAcceptedSequence)));
    }
    if (nowUtcSeconds >= manifest.expires) {
        return Refused(ManifestVerdict::Expired, u"expired at " + Text(UtcTimeText(manifest.expires)));
    }
    std::u16string reason = u"sequence " + Text(std::to_string(manifest.sequence)) + u", expires " +
                            Text(UtcTimeText(manifest.expires));
    return {ManifestVerdict::Accepted, std::move(read.manifest), std::move(reason)};
}

FileVerdict CheckFile(const Manifest& manifest, std::string_view path, std::uint64_t size, const Sha256Digest& sha256) {
    const ManifestEntry* entry = manifest.Find(path);
    if (entry == nullptr) return FileVerdict::NotListed;
    if (entry->size != size) return FileVerdict::SizeMismatch;
    return entry->sha256 == sha256 ? FileVerdict::Matches : FileVerdict::HashMismatch;
}

}  // namespace veltra
