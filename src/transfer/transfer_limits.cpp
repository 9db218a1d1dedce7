#include "transfer/transfer_limits.h"

#include <optional>

#include "core/program_key.h"
#include "platform/registry.h"

#if !defined(VELTRA_STALL_SECONDS) || !defined(VELTRA_TRANSFER_SECONDS) || !defined(VELTRA_MAX_FILE_MIB) || \
    !defined(VELTRA_MAX_REDIRECTS) || !defined(VELTRA_REDIRECT_OTHER_HOSTS)
#error "the transfer limits are build settings (see src/transfer/CMakeLists.txt)"
#endif

namespace veltra {
namespace {

constexpr std::uint64_t kMiB = 1024 * 1024;
// A catalogue is a few hundred kilobytes; the checks write a record per entry, so its size
// bounds what a scan writes.
constexpr std::uint64_t kCatalogueBytes = 16 * kMiB;
constexpr std::uint64_t kLargestSetting = 1'000'000'000;

// A decimal number 1 to kLargestSetting, nothing else.
std::optional<std::uint64_t> SettingNumber(IRegistry& registry, const char16_t* name) {
    const std::optional<std::u16string> text = registry.ReadString(RegistryRoot::LocalMachine, kProgramKey, name, 64);
    if (!text || text->empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char16_t unit : *text) {
        if (unit < u'0' || unit > u'9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(unit - u'0');
        if (value > kLargestSetting) return std::nullopt;
    }
    if (value == 0) return std::nullopt;
    return value;
}

}  // namespace

TransferRules TransferLimits::Rules(bool updateFile) const {
    return TransferRules{updateFile ? fileBytes : catalogueBytes, redirects, otherHosts, updateFile, std::nullopt};
}

TransferLimits BuildTransferLimits() {
    return TransferLimits{std::uint64_t{VELTRA_STALL_SECONDS} * 1000, std::uint64_t{VELTRA_TRANSFER_SECONDS} * 1000,
                          std::uint64_t{VELTRA_MAX_FILE_MIB} * kMiB,  kCatalogueBytes,
                          VELTRA_MAX_REDIRECTS,                         VELTRA_REDIRECT_OTHER_HOSTS != 0};
}

TransferLimits ReadTransferLimits(IRegistry& registry) {
    TransferLimits limits = BuildTransferLimits();
    if (const auto seconds = SettingNumber(registry, u"StallSeconds")) limits.stallMilliseconds = *seconds * 1000;
    if (const auto seconds = SettingNumber(registry, u"TransferSeconds")) limits.transferMilliseconds = *seconds * 1000;
    if (const auto mib = SettingNumber(registry, u"MaxFileMiB")) limits.fileBytes = *mib * kMiB;
    return limits;
}

}  // namespace veltra
