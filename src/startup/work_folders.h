#pragma once
#include <string>
#include <vector>

namespace veltra {

class IFileSystem;

// The sub-folders of the work folder, relative to the work path.
const std::vector<std::u16string>& WorkSubFolders();

// Creates whichever sub-folder is missing, so record writes cannot fail silently for want
// of a folder; returns the folders it could not create.
std::vector<std::u16string> EnsureWorkFolders(IFileSystem& fileSystem, const std::u16string& workPath);

}  // namespace veltra
