#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/url_transfer.h"
#include "trust/manifest.h"
#include "trust/manifest_check.h"
#include "trust/sequence_store.h"

namespace veltra {

class IClock;
class ICrypto;
class IFileSystem;
class IRegistry;

// The server folder whose signed list a scan reads, and where its list is fetched to.
struct ManifestSource {
    bool dqa = false;              // the DQA TEST folder instead of the normal one
    std::u16string base;           // the server's base address, no trailing slash
    std::u16string localFolder;    // the catalogue folder, with its backslash

    ServerFolder Which() const { return dqa ? ServerFolder::DQATest : ServerFolder::DataBase; }
    std::u16string Folder() const { return dqa ? u"DQATest" : u"DataBase"; }
    std::u16string ListUrl() const { return base + u"/" + Folder() + u"/manifest.txt"; }
    std::u16string SignatureUrl() const { return base + u"/" + Folder() + u"/manifest.sig"; }
    // The list and signature a scan accepted last, kept for later runs.
    std::u16string ListPath() const { return localFolder + Folder() + u".manifest.txt"; }
    std::u16string SignaturePath() const { return localFolder + Folder() + u".manifest.sig"; }
    // Where a scan fetches them to: a refused list must not replace the kept one.
    std::u16string FetchedListPath() const { return ListPath() + u".new"; }
    std::u16string FetchedSignaturePath() const { return SignaturePath() + u".new"; }
};

// What the maker's signed list vouches for. A scan fetches the list and its signature
// first and has them accepted; every later file is used only as the list says. An
// accepted list is kept, and a program started later (the console's download after its
// scan) reads it and checks it again, so no unsigned bytes slip in between.
class UpdateTrust {
public:
    UpdateTrust(std::vector<std::uint8_t> publicKey, ICrypto& crypto, IRegistry& registry, IFileSystem& files,
                IClock& clock);

    // Checks the fetched list against the key, the clock and the last accepted sequence
    // number; an accepted list is kept, is the one in force and its sequence number is stored.
    ManifestCheck Accept(const ManifestSource& source);
    // The size and hash the list in force gives the address; nothing, with the message to
    // show in `refusal`, when no valid list is in force or it does not hold the address.
    std::optional<ExpectedFile> Expect(const ManifestSource& source, const std::u16string& url,
                                       std::u16string& refusal);

private:
    ManifestCheck Check(const ManifestSource& source, const std::vector<std::uint8_t>& list,
                        const std::vector<std::uint8_t>& signature);
    bool LoadKept(const ManifestSource& source, std::u16string& refusal);

    std::vector<std::uint8_t> publicKey_;
    ICrypto& crypto_;
    IRegistry& registry_;
    IFileSystem& files_;
    IClock& clock_;
    std::optional<Manifest> inForce_;
    std::u16string inForceFolder_;
};

}  // namespace veltra
