#pragma once
#include <optional>
#include <ostream>
#include <string>

#include "cli/json.h"

namespace veltra {

struct CliOptions;
class IWmi;
struct Platform;
struct VT5Record;

// "VT5.<field>=<value>" lines, one per identification field, in UTF-8: one
// "VT5.saPciIds=" line per PCI id in the order found, "VT5.pVGA.<field>=" lines when the
// graphics card was identified, and "DMI.BiosMajorRelease4=1" (or 0) when the DMI test ran.
std::string IdentifyLines(const VT5Record& vt5, std::optional<bool> dmiBiosMajorRelease4 = std::nullopt);
// The same fields as one JSON object under "VT5" (saPciIds an array, pVGA an object or
// null), and the DMI test under "dmiBiosMajorRelease4" (null when it did not run).
JsonValue IdentifyJson(const VT5Record& vt5, std::optional<bool> dmiBiosMajorRelease4 = std::nullopt);

// "identify": this computer's fields as lines, or with --json also what the checks read.
int RunIdentifyCommand(const CliOptions& options, Platform& platform, IWmi& wmi, std::ostream& out, std::ostream& err);

}  // namespace veltra
