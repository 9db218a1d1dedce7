#include <algorithm>
#include <set>

#include "trust/manifest.h"
#include "trust/manifest_fields.h"
#include "trust/manifest_path.h"

namespace veltra {
namespace {

constexpr std::size_t kDigestHexLength = 64;

bool IsIgnored(std::string_view line) { return line.empty() || line.front() == '#'; }

// The next line of text from offset on, without its '\n' and a '\r' before it; the last
// line may lack its '\n'.
std::string_view NextLine(std::string_view text, std::size_t& offset) {
    const std::size_t end = std::min(text.find('\n', offset), text.size());
    std::string_view line = text.substr(offset, end - offset);
    offset = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

// Takes a manifest's meaningful lines in order and says what is wrong with the first bad one.
class ManifestParser {
public:
    bool Take(std::string_view line) {
        if (!headerSeen_) return TakeHeader(line);
        if (line.starts_with(kFolderField)) return TakeFolder(line.substr(kFolderField.size()));
        if (line.starts_with(kSequenceField) || line.starts_with(kExpiresField)) return TakeField(line);
        return TakeFile(line);
    }

    ManifestRead Finish() {
        if (!headerSeen_) return {std::nullopt, "the manifest is empty"};
        if (!sequence_ || !expires_) return {std::nullopt, "the sequence or the expiry is missing"};
        if (!folder_) return {std::nullopt, "the folder is missing"};
        manifest_.folder = std::string(*folder_);
        manifest_.sequence = *sequence_;
        manifest_.expires = *expires_;
        return {std::move(manifest_), {}};
    }

    const std::string& Error() const { return error_; }

private:
    bool Fail(std::string reason) {
        error_ = std::move(reason);
        return false;
    }

    bool TakeHeader(std::string_view line) {
        if (line != kManifestHeader) return Fail("the manifest does not begin with \"" + std::string(kManifestHeader) + "\"");
        headerSeen_ = true;
        return true;
    }

    // The folder is signed with the list, so one folder's list cannot be served as another's.
    bool TakeFolder(std::string_view name) {
        if (!manifest_.files.empty()) return Fail(kFieldsFirst);
        if (folder_) return Fail("the folder is given twice");
        if (!IsManifestPath(name) || name.find('/') != std::string_view::npos) {
            return Fail("the folder is not a single path segment");
        }
        folder_ = name;
        return true;
    }

    bool TakeField(std::string_view line) {
        if (!manifest_.files.empty()) return Fail(kFieldsFirst);
        if (line.starts_with(kSequenceField)) {
            if (sequence_) return Fail("the sequence is given twice");
            sequence_ = ParseDecimal(line.substr(kSequenceField.size()));
            return sequence_ ? true : Fail("the sequence is not a 64-bit decimal number");
        }
        if (expires_) return Fail("the expiry is given twice");
        expires_ = ParseUtcTime(line.substr(kExpiresField.size()));
        return expires_ ? true : Fail("the expiry is not a UTC time YYYY-MM-DDTHH:MM:SSZ");
    }

    bool TakeFile(std::string_view line) {
        if (!sequence_ || !expires_ || !folder_) return Fail("a file line comes before the folder, the sequence and the expiry");
        const std::optional<Sha256Digest> digest = ParseDigestHex(line.substr(0, kDigestHexLength));
        if (!digest || line.size() <= kDigestHexLength || line[kDigestHexLength] != ' ') {
            return Fail("a file line does not start with 64 lowercase hexadecimal digits and a space");
        }
        const std::string_view rest = line.substr(kDigestHexLength + 1);
        const std::size_t space = rest.find(' ');
        const std::optional<std::uint64_t> size = ParseDecimal(rest.substr(0, space));
        if (!size || space == std::string_view::npos) return Fail("the size is not a decimal number followed by a space");
        const std::string_view path = rest.substr(space + 1);
        if (!IsManifestPath(path)) {
            return Fail("the path is not relative and '/'-separated, or has an empty, '.' or '..' segment, a "
                        "backslash, a control character or more than 1024 bytes");
        }
        if (!paths_.insert(path).second) return Fail("the path is listed twice");
        manifest_.files.push_back({std::string(path), *size, *digest});
        return true;
    }

    static constexpr const char* kFieldsFirst = "the folder, the sequence and the expiry come before the file lines";

    bool headerSeen_ = false;
    std::optional<std::string_view> folder_;  // a view into the text being read
    std::optional<std::uint64_t> sequence_;
    std::optional<std::int64_t> expires_;
    Manifest manifest_;
    std::set<std::string_view> paths_;  // views into the text being read
    std::string error_;
};

}  // namespace

ManifestRead ReadManifest(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxManifestBytes) return {std::nullopt, "the manifest is larger than 4 MiB"};
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    ManifestParser parser;
    std::size_t lineNumber = 0;
    for (std::size_t offset = 0; offset < text.size();) {
        const std::string_view line = NextLine(text, offset);
        ++lineNumber;
        if (IsIgnored(line)) continue;
        if (!parser.Take(line)) return {std::nullopt, "line " + std::to_string(lineNumber) + ": " + parser.Error()};
    }
    return parser.Finish();
}

}  // namespace veltra
