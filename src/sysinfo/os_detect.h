#pragma once
#include <string>

#include "platform/registry.h"

namespace veltra {

class ISystemVersion;

// Operating-system codes, one bit each.
enum OsCode : int {
    kOsUnknown = 0,
    kOsWin95 = 1,
    kOsWin98 = 2,
    kOsWinMe = 4,
    kOsNT351 = 8,
    kOsNT40 = 16,
    kOsWin2000 = 32,
    kOsWin2003 = 64,  // named, never detected
    kOsXP = 128,
    kOsXP64 = 256,
    kOsVista32 = 512,
    kOsVista64 = 1024,
    kOsWin7_32 = 2048,
    kOsWin7_64 = 4096,
};

int DetectOS(ISystemVersion& systemVersion, IRegistry& registry);
std::u16string OSName(int code);
// The short code the catalogues match on ("XP32" .. "W764"); empty for other systems.
std::u16string OSCatalogueCode(int code);

// A string value read with a 5001-byte count, or `fallback` when it cannot be read.
std::u16string ReadRegistryText(IRegistry& registry, RegistryRoot root, const std::u16string& key,
                                const std::u16string& value, const std::u16string& fallback);

}  // namespace veltra
