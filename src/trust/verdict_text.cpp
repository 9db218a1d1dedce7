#include "core/text.h"
#include "trust/manifest_check.h"

namespace veltra {
namespace {

struct Wording {
    const char16_t* message;
    const char16_t* logPrefix;
};

constexpr Wording kManifestWording[] = {
    {u"", u"Update manifest accepted: "},
    {u"The update server's file list cannot be read. Nothing was updated.", u"Update manifest refused (malformed): "},
    {u"The update server's file list is not signed by the maker. Nothing was updated.",
     u"Update manifest refused (bad signature): "},
    {u"The update server's file list has expired. Nothing was updated.", u"Update manifest refused (expired): "},
    {u"The update server's file list is older than one already used. Nothing was updated.",
     u"Update manifest refused (replayed): "},
    {u"The update server's file list was signed for another folder than the one it came from. Nothing was updated.",
     u"Update manifest refused (wrong folder): "},
};

// The file's name goes between the two halves of the message.
struct FileWording {
    const char16_t* messageBefore;
    const char16_t* messageAfter;
    const char16_t* logPrefix;
};

constexpr FileWording kFileWording[] = {
    {u"", u"", u"File verified: "},
    {u"The file ", u" from the update server is not in its signed file list. It was not used.",
     u"File refused (not in the manifest): "},
    {u"The file ", u" from the update server does not have the size its signed file list gives. It was not used.",
     u"File refused (size differs from the manifest): "},
    {u"The file ", u" from the update server is not the one its maker signed. It was not used.",
     u"File refused (SHA-256 differs from the manifest): "},
};

}  // namespace

VerdictText DescribeVerdict(const ManifestCheck& check) {
    const Wording& wording = kManifestWording[static_cast<int>(check.verdict)];
    return {wording.message, wording.logPrefix + check.reason};
}

VerdictText DescribeVerdict(FileVerdict verdict, std::string_view path) {
    const FileWording& wording = kFileWording[static_cast<int>(verdict)];
    const std::u16string name = Utf8ToUtf16(path);
    if (verdict == FileVerdict::Matches) return {u"", wording.logPrefix + name};
    return {wording.messageBefore + name + wording.messageAfter, wording.logPrefix + name};
}

}  // namespace veltra
