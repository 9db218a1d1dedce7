#pragma once
#include <optional>
#include <string>

#include "platform/url_transfer.h"

namespace veltra {

class IProgramStarter;

// Starts a downloaded file and logs why it did not start. Returns that log line, empty
// when the program was started. A path with blanks is quoted. With `expected` (what the
// signed list gives), only those bytes are started.
std::u16string LaunchFile(IProgramStarter& starter, const std::u16string& path,
                          const std::optional<ExpectedFile>& expected);

}  // namespace veltra
