#include <windows.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace veltra {

Win32NamedMutexes::~Win32NamedMutexes() {
    if (held_ != nullptr) CloseHandle(held_);
    for (void* marker : markers_) CloseHandle(marker);
}

bool Win32NamedMutexes::OpenExisting(const std::u16string& name) {
    HANDLE existing = OpenMutexW(SYNCHRONIZE, FALSE, ToWide(name).c_str());
    if (existing == nullptr) return false;
    CloseHandle(existing);
    return true;
}

MutexCreateResult Win32NamedMutexes::CreateOwned(const std::u16string& name) {
    HANDLE created = CreateMutexW(nullptr, TRUE, ToWide(name).c_str());
    if (created == nullptr) return MutexCreateResult::Failed;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(created);
        return MutexCreateResult::AlreadyExisted;
    }
    if (held_ != nullptr) CloseHandle(held_);
    held_ = created;
    return MutexCreateResult::Created;
}

bool Win32NamedMutexes::CreateUnowned(const std::u16string& name) {
    HANDLE created = CreateMutexW(nullptr, FALSE, ToWide(name).c_str());
    if (created == nullptr) return false;
    markers_.push_back(created);
    return true;
}

}  // namespace veltra
