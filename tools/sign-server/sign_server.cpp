#include "sign_server.h"

#include <fstream>

#include "platform/openssl/openssl_crypto.h"
#include "rsa_signer.h"
#include "server_tree.h"
#include "trust/manifest_fields.h"

namespace veltra {
namespace fs = std::filesystem;
namespace {

constexpr const char* kFolders[] = {"DataBase", "DQATest"};

std::span<const std::uint8_t> Bytes(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Written beside and then renamed over the old file, so a server never serves half a file.
bool WriteFile(const fs::path& file, std::span<const std::uint8_t> bytes) {
    const fs::path partial = fs::path(file).concat(".partial");
    {
        std::ofstream output(partial, std::ios::binary | std::ios::trunc);
        output.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!output.flush()) return false;
    }
    std::error_code error;
    fs::rename(partial, file, error);
    return !error;
}

// One folder's manifest and signature, the signature checked before anything is written.
std::string SignFolder(const SignOptions& options, const RsaSigner& signer, std::string_view folder,
                       std::string_view otherFolder, std::ostream& out) {
    OpenSslCrypto crypto;
    FolderListing listing = ListFolderFiles(options.tree, folder, otherFolder, crypto);
    if (!listing.error.empty()) return listing.error;
    const std::size_t fileCount = listing.files.size();
    const std::string text = WriteManifest({std::string(folder), options.sequence, options.expires, std::move(listing.files)});
    const std::vector<std::uint8_t> signature = signer.Sign(Bytes(text));
    if (!crypto.VerifyRsaSha256(signer.PublicKeyDer(), Bytes(text), signature)) return "the signature does not verify";
    const fs::path target = options.tree / folder;
    std::error_code error;
    fs::create_directories(target, error);
    if (error || !WriteFile(target / "manifest.txt", Bytes(text)) || !WriteFile(target / "manifest.sig", signature)) {
        return "cannot write the manifest into " + target.string();
    }
    out << "sign-server: " << folder << "/manifest.txt: " << fileCount
        << " files, sequence " << options.sequence << ", expires " << UtcTimeText(options.expires) << "\n";
    return {};
}

}  // namespace

int SignServer(const SignOptions& options, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::unique_ptr<RsaSigner> signer = RsaSigner::Load(options.key, error);
    for (std::size_t i = 0; signer && error.empty() && i < std::size(kFolders); ++i) {
        error = SignFolder(options, *signer, kFolders[i], kFolders[1 - i], out);
    }
    if (error.empty()) return kSignedExit;
    err << "sign-server: " << error << "\n";
    return kFailedExit;
}

}  // namespace veltra
