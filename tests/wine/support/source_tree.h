#pragma once
#include <string>

namespace veltra::winetest {

// An absolute path of the host as this Windows process sees it (drive Z:).
std::wstring HostPath(const std::string& absolute);

// A path of the source tree as this Windows process sees the host's files (drive Z:).
std::wstring SourcePath(const std::string& relative);

// The whole file, empty when it cannot be read.
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

// Removes a folder with everything in it (a trailing backslash or none).
void RemoveTree(const std::wstring& folder);

}  // namespace veltra::winetest
