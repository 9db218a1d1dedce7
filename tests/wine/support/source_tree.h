#pragma once
#include <string>

namespace veltra::winetest {

// A path of the source tree as this Windows process sees the host's files (drive Z:).
std::wstring SourcePath(const std::string& relative);

// The whole file, empty when it cannot be read.
std::string ReadBytes(const std::wstring& path);

}  // namespace veltra::winetest
