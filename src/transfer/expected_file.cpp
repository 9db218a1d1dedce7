#include "transfer/expected_file.h"

#include "core/debug_log.h"
#include "core/text.h"

namespace veltra {
namespace {

TransferVerdict Refuse(const std::u16string& why) {
    DebugLog(u"File refused " + why);
    return {u"3", false};
}

std::u16string Bytes(std::uint64_t count) { return DecimalText(static_cast<long long>(count)) + u" bytes"; }

}  // namespace

TransferVerdict CheckExpectedFile(const TransferVerdict& verdict, const ExpectedFile& expected, std::uint64_t fileBytes,
                                  const FileHasher& hash) {
    if (!verdict.keepFile) return verdict;
    if (fileBytes != expected.size) {
        return Refuse(u"(size differs from the manifest): " + Bytes(fileBytes) + u" arrived, the manifest gives " +
                      Bytes(expected.size));
    }
    const std::optional<Sha256Digest> digest = hash();
    if (!digest) return Refuse(u"(not readable): the file could not be read back to check it");
    if (*digest != expected.sha256) return Refuse(u"(SHA-256 differs from the manifest)");
    return verdict;
}

}  // namespace veltra
