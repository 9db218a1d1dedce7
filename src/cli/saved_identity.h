#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/machine_facts.h"

namespace veltra {

struct VGAInfo;
struct VT5Record;

// Another PC's identification as "identify --json" saved it, for checking its updates offline.
struct SavedIdentity {
    int nOS = 0;
    std::u16string sOSName;
    std::u16string sOSCode;
    std::u16string cMB_Model;
    std::u16string cMB_BIOS_Version;
    std::u16string cMB_BIOS_Vendor;
    std::vector<std::u16string> saPciIds;
    std::shared_ptr<VGAInfo> pVGA;  // null when the file says the machine has no card record
    MachineFacts facts;
};

struct SavedIdentityResult {
    std::optional<SavedIdentity> identity;
    std::string error;  // one line naming the field, set when identity is empty
};

// The file's bytes: UTF-8, with or without a byte-order mark, or UTF-16 LE with its mark.
SavedIdentityResult ParseSavedIdentity(std::string_view bytes);

// Puts the saved identification into the record in place of this machine's.
void ApplySavedIdentity(const SavedIdentity& identity, VT5Record& vt5);

}  // namespace veltra
