#pragma once
#include <cstdint>

#include "platform/url_transfer.h"

namespace veltra {

class IRegistry;

// How long and how large a transfer may be. The defaults are build settings; a user may
// need other times or file sizes, so the registry may override those three.
struct TransferLimits {
    std::uint64_t stallMilliseconds;     // no progress for this long: failed
    std::uint64_t transferMilliseconds;  // longer than this in all: failed
    std::uint64_t fileBytes;             // an update file
    std::uint64_t catalogueBytes;        // a catalogue
    int redirects;
    bool otherHosts;                     // redirects may go to another host

    // The rules of one transfer: a catalogue, or an update file that will be started.
    TransferRules Rules(bool updateFile) const;
};

// The build's limits.
TransferLimits BuildTransferLimits();

// The build's limits with the string values "StallSeconds", "TransferSeconds" and
// "MaxFileMiB" under the program's key in place of theirs, where they hold a number > 0.
TransferLimits ReadTransferLimits(IRegistry& registry);

}  // namespace veltra
