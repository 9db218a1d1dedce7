#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

class IFileSystem;

// A signature of a 16384-bit key is 2 KiB: anything larger is not one.
inline constexpr std::size_t kMaxSignatureBytes = 2048;

// The whole file when it opens and is no larger than `limit`, read in blocks so that a small
// file costs its size and not the limit; nothing when it is larger or cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(IFileSystem& files, const std::u16string& path, std::size_t limit);
// The same, empty when it is larger or cannot be read.
std::vector<std::uint8_t> ReadSmallFile(IFileSystem& files, const std::u16string& path, std::size_t limit);

// The file's bytes replaced by these; false when they could not all be written.
bool WriteWholeFile(IFileSystem& files, const std::u16string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace veltra
