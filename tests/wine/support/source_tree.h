#pragma once
#include <string>

namespace veltra::winetest {

// An absolute path of the host as this Windows process sees it (drive Z:).
std::wstring HostPath(const std::string& absolute);

// A path of the source tree as this Windows process sees the host's files (drive Z:).
std::wstring SourcePath(const std::string& relative);

// The whole file, empty when it cannot be read.
std::string ReadBytes(const std::wstring& path);

}  // namespace veltra::winetest
