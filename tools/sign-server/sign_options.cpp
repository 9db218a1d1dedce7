#include "sign_options.h"

#include "trust/manifest_fields.h"

namespace veltra {
namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;
constexpr std::uint64_t kMaxDays = 36'500;
constexpr std::uint64_t kDefaultDays = 365;

ParsedSignOptions Refused(std::string error) { return {std::nullopt, std::move(error)}; }

struct RawOptions {
    std::optional<std::string> key, tree, sequence, expires, days;
};

// Each option once, each with its value.
std::string Collect(std::span<const std::string> words, RawOptions& raw) {
    const std::pair<const char*, std::optional<std::string>*> known[] = {
        {"--key", &raw.key}, {"--tree", &raw.tree}, {"--sequence", &raw.sequence},
        {"--expires", &raw.expires}, {"--days", &raw.days}};
    for (std::size_t i = 0; i < words.size(); i += 2) {
        std::optional<std::string>* slot = nullptr;
        for (const auto& [name, target] : known) {
            if (words[i] == name) slot = target;
        }
        if (slot == nullptr) return "unknown option " + words[i];
        if (i + 1 == words.size()) return words[i] + " needs a value";
        if (slot->has_value()) return words[i] + " is given twice";
        *slot = words[i + 1];
    }
    if (!raw.key || !raw.tree) return "--key and --tree are required";
    if (raw.expires && raw.days) return "give --expires or --days, not both";
    return {};
}

std::optional<std::int64_t> Expiry(const RawOptions& raw, std::int64_t now) {
    if (raw.expires) return ParseUtcTime(*raw.expires + "T00:00:00Z");
    const std::optional<std::uint64_t> days = raw.days ? ParseDecimal(*raw.days) : kDefaultDays;
    if (!days || *days == 0 || *days > kMaxDays) return std::nullopt;
    return now + static_cast<std::int64_t>(*days) * kSecondsPerDay;
}

}  // namespace

ParsedSignOptions ParseSignOptions(std::span<const std::string> words, std::int64_t nowUtcSeconds) {
    RawOptions raw;
    if (std::string error = Collect(words, raw); !error.empty()) return Refused(error);
    const std::optional<std::uint64_t> sequence =
        raw.sequence ? ParseDecimal(*raw.sequence) : static_cast<std::uint64_t>(nowUtcSeconds);
    if (!sequence) return Refused("--sequence is not a decimal number of 64 bits");
    const std::optional<std::int64_t> expires = Expiry(raw, nowUtcSeconds);
    if (!expires) return Refused("--expires needs a date YYYY-MM-DD, --days a number from 1 to 36500");
    if (*expires <= nowUtcSeconds) return Refused("the expiry date has passed");
    return {SignOptions{*raw.key, *raw.tree, *sequence, *expires}, {}};
}

}  // namespace veltra
