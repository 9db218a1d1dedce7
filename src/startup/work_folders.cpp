#include "startup/work_folders.h"

#include "core/debug_log.h"
#include "platform/file_system.h"

namespace veltra {

const std::vector<std::u16string>& WorkSubFolders() {
    static const std::vector<std::u16string> folders = {u"VT5", u"VT5\\LOG", u"VT5\\DL_INFO", u"VT5\\DL_FILE",
                                                        u"VT5\\skin"};
    return folders;
}

std::vector<std::u16string> EnsureWorkFolders(IFileSystem& fileSystem, const std::u16string& workPath) {
    std::vector<std::u16string> failed;
    for (const std::u16string& folder : WorkSubFolders()) {
        const std::u16string path = workPath + folder;
        if (fileSystem.IsDirectory(path)) continue;
        if (fileSystem.MakeDirectory(path)) {
            DebugLog(u"Create folder : " + path);
        } else {
            DebugLog(u"Create folder fail : " + path);
            failed.push_back(path);
        }
    }
    return failed;
}

}  // namespace veltra
