#pragma once
#include <ostream>

#include "sign_options.h"

namespace veltra {

// Exit codes of sign-server.
inline constexpr int kSignedExit = 0;
inline constexpr int kFailedExit = 1;
inline constexpr int kUsageExit = 2;

// Writes and signs the manifest of each server folder; progress to out, faults to err.
int SignServer(const SignOptions& options, std::ostream& out, std::ostream& err);

}  // namespace veltra
