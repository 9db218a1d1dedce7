#include "hardware/bios_id_string.h"

#include <algorithm>

namespace veltra {
namespace {

constexpr std::size_t kIdModelCharacters = 4;
constexpr std::size_t kMaxPartLength = 4;

enum class VersionState { Major, Minor, Beta };

bool AppendPart(std::u16string& part, std::u16string& out) {
    if (part.empty()) return true;
    char16_t character = 0;
    if (!VersionPartCharacter(part, character)) return false;
    out += character;
    part.clear();
    return true;
}

// The end of the string or a space ends the version; what is written depends on the state.
std::u16string FinishVersion(VersionState state, std::u16string& part, std::u16string& out) {
    if (state == VersionState::Major) return {};
    if (!AppendPart(part, out)) return {};
    if (state == VersionState::Minor) out += u'0';
    return out;
}

// Reads the version from the text that starts at its "V": a major part, ".", a minor part,
// and optionally "B" and a beta number.
std::u16string ReadVersion(std::u16string_view text) {
    std::u16string out;
    std::u16string part;
    VersionState state = VersionState::Major;
    for (std::size_t i = 1;; ++i) {
        if (i >= text.size() || text[i] == u' ') return FinishVersion(state, part, out);
        const char16_t c = text[i];
        if (state == VersionState::Major && c == u'.') {
            if (!AppendPart(part, out)) return {};
            out += u'.';
            state = VersionState::Minor;
        } else if (state == VersionState::Minor && c == u'B') {
            if (!AppendPart(part, out)) return {};
            state = VersionState::Beta;
        } else if (part.size() == kMaxPartLength) {
            return {};
        } else {
            part += c;
        }
    }
}

}  // namespace

bool VersionPartCharacter(std::u16string_view part, char16_t& character) {
    if (part.size() == 1) {
        character = part.front();
        return true;
    }
    if (part.empty() || part.size() > kMaxPartLength ||
        !std::all_of(part.begin(), part.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
        return false;
    }
    int number = 0;
    for (char16_t digit : part) number = number * 10 + (digit - u'0');
    if (number < 10 || number > 35) return false;
    character = static_cast<char16_t>(u'A' + (number - 10));
    return true;
}

bool ParseBiosIdString(std::u16string_view idString, std::u16string& model, std::u16string& version) {
    if (idString.size() < 1 + kIdModelCharacters) return false;
    if (idString.front() != u'A' && idString.front() != u'E') return false;
    model = u"QB-" + std::u16string(idString.substr(1, kIdModelCharacters));
    if (idString.front() == u'E') model += u'E';
    const std::size_t versionStart = idString.find(u'V');
    version = versionStart == std::u16string_view::npos ? std::u16string() : ReadVersion(idString.substr(versionStart));
    return true;
}

}  // namespace veltra
