#include "platform/win32/win32_folder_access.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

namespace veltra {
namespace {

// The rights to put files into a folder, delete its files, or change the folder itself.
constexpr ACCESS_MASK kFolderWrite = FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY | FILE_DELETE_CHILD | DELETE | WRITE_DAC |
                                     WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;
// The rights of a parent that take a child folder away.
constexpr ACCESS_MASK kParentWrite = FILE_DELETE_CHILD | WRITE_DAC | WRITE_OWNER | GENERIC_ALL;

class TokenUser {
public:
    TokenUser() {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return;
        DWORD size = 0;
        GetTokenInformation(token, ::TokenUser, nullptr, 0, &size);
        buffer_.resize(size);
        if (size == 0 || !GetTokenInformation(token, ::TokenUser, buffer_.data(), size, &size)) buffer_.clear();
        CloseHandle(token);
    }
    PSID Sid() const { return buffer_.empty() ? nullptr : reinterpret_cast<const TOKEN_USER*>(buffer_.data())->User.Sid; }

private:
    std::wstring buffer_;  // wide characters keep the block aligned for the SID pointers
};

bool IsTrusted(PSID sid, const TokenUser& self) {
    static constexpr WELL_KNOWN_SID_TYPE kTrusted[] = {WinBuiltinAdministratorsSid, WinLocalSystemSid};
    for (WELL_KNOWN_SID_TYPE type : kTrusted)
        if (IsWellKnownSid(sid, type)) return true;
    if (self.Sid() != nullptr && EqualSid(sid, self.Sid())) return true;
    // TrustedInstaller, the service that owns the system's own folders.
    PSID installer = nullptr;
    if (!ConvertStringSidToSidW(L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464", &installer))
        return false;
    const bool same = EqualSid(sid, installer) != FALSE;
    LocalFree(installer);
    return same;
}

bool GrantsOthers(const std::wstring& path, ACCESS_MASK rights, const TokenUser& self) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PSID owner = nullptr;
    PACL dacl = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
                              &owner, nullptr, &dacl, nullptr, &descriptor) != ERROR_SUCCESS)
        return true;
    // No list of rights at all lets everyone do everything; an owner may change the list.
    bool grants = dacl == nullptr || owner == nullptr || !IsTrusted(owner, self);
    for (DWORD index = 0; !grants && index < dacl->AceCount; ++index) {
        ACE_HEADER* header = nullptr;
        if (!GetAce(dacl, index, reinterpret_cast<void**>(&header))) continue;
        // Deny entries only take rights away; inherit-only ones are for what the folder holds.
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE || (header->AceFlags & INHERIT_ONLY_ACE) != 0) continue;
        const auto* allowed = reinterpret_cast<const ACCESS_ALLOWED_ACE*>(header);
        PSID sid = const_cast<DWORD*>(&allowed->SidStart);
        grants = (allowed->Mask & rights) != 0 && !IsTrusted(sid, self);
    }
    LocalFree(descriptor);
    return grants;
}

}  // namespace

bool OthersCanWriteFolder(const std::wstring& folder) {
    const TokenUser self;
    if (GrantsOthers(folder, kFolderWrite, self)) return true;
    const std::size_t slash = folder.find_last_of(L"\\/", folder.find_last_not_of(L"\\/"));
    if (slash == std::wstring::npos || slash < 3) return false;  // a drive's root has no parent
    return GrantsOthers(folder.substr(0, slash), kParentWrite, self);
}

}  // namespace veltra
