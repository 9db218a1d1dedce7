#pragma once
#include <cstdint>

namespace veltra {

class IRegistry;

// The server folders that carry a manifest each: the normal one and the DQA TEST one.
enum class ServerFolder { DataBase, DQATest };

// The sequence number of the last manifest accepted from a folder, kept under the program's
// key so an older signed manifest cannot be replayed; 0 when none is kept or it is unreadable.
std::uint64_t LastAcceptedSequence(IRegistry& registry, ServerFolder folder);
// Keeps an accepted manifest's sequence number, never lowering the kept one; false when
// the registry refuses the write.
bool RememberAcceptedSequence(IRegistry& registry, ServerFolder folder, std::uint64_t sequence);

}  // namespace veltra
