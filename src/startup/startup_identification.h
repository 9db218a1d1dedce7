#pragma once
#include <optional>
#include <string>

namespace veltra {

struct Platform;
struct VT5Record;

// The hardware-access layer's version, written to the debug log.
inline constexpr char16_t kLibVersion[] = u"1.0.008";

// The identification steps of the main set-up, in their fixed order: work path (or the
// given one), work folders, installation folder, package version, library version and
// operating system. False when the work path cannot be used.
bool RunStartupIdentification(Platform& platform, VT5Record& vt5, const std::optional<std::u16string>& workPathOverride);

}  // namespace veltra
