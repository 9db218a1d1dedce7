#pragma once
#include <string>
#include <string_view>

namespace veltra {

class CWmiQuery;

// The management path of the board identity, used when the BIOS driver's identification
// string did not give a model and a version.

// "AMIBIOS" wherever the manufacturer names that firmware maker ("AMI", "American
// Megatrends" in any case and punctuation, also after an OEM's name); "Award" for anything
// else, Phoenix and Insyde firmware included.
std::u16string GetBiosVendorByWmi(CWmiQuery& wmi);
// The SMBIOS BIOS version in the catalogue's notation, or "UNKNOWN".
std::u16string GetBiosVersionByWmi(CWmiQuery& wmi);
// Seven characters of the board product: those after its first "(", else its first seven.
std::u16string GetBoardModelByWmi(CWmiQuery& wmi);

std::u16string BiosVendorFromManufacturer(std::u16string_view manufacturer);
// "V1.12" gives "1.C": the first character is skipped, every run of digits becomes one
// character (0 to 9, then A to Z for 10 to 35), the first followed by ".". "UNKNOWN" when
// there is no run of digits or a run is above 35.
std::u16string BiosVersionFromSmbios(std::u16string_view smbiosVersion);
std::u16string BoardModelFromProduct(std::u16string_view product);

}  // namespace veltra
