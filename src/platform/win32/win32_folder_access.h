#pragma once
#include <string>

namespace veltra {

// Whether someone other than the administrators, the system and the user this program runs
// as may add, replace or delete files in the folder, or take the folder itself away: by
// the folder's own rights, its owner, or the right of its parent to delete what it holds.
// An installer started from such a folder would load whatever libraries were put beside it.
// True also when the rights cannot be read.
bool OthersCanWriteFolder(const std::wstring& folder);

}  // namespace veltra
