#pragma once

namespace veltra {

// The program's own key under HKLM: work folder, version, update server, transfer limits and
// the signed lists' sequence numbers.
inline constexpr char16_t kProgramKey[] = u"SOFTWARE\\Norva\\Veltra Series\\";
// The same key as a 64-bit program sees the x86 installer's writes.
inline constexpr char16_t kProgramKeyWow64[] = u"SOFTWARE\\Wow6432Node\\Norva\\Veltra Series\\";

}  // namespace veltra
