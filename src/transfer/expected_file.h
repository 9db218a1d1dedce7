#pragma once
#include <cstdint>
#include <functional>
#include <optional>

#include "transfer/transfer_monitor.h"

namespace veltra {

// The hash of the transferred file, nothing when it cannot be read.
using FileHasher = std::function<std::optional<Sha256Digest>()>;

// The verdict of a good transfer whose file a signed list vouches for: other bytes than
// the list's are refused ("3") and not kept. The hash is taken only when the size fits.
TransferVerdict CheckExpectedFile(const TransferVerdict& verdict, const ExpectedFile& expected, std::uint64_t fileBytes,
                                  const FileHasher& hash);

}  // namespace veltra
