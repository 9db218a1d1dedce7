#pragma once
#include <string>

namespace veltra {

class IWmi;
struct WmiValue;

// The text of one management property: a string as it is, a 32-bit integer (an unsigned
// size) as whole mebibytes ("%d MBytes"), any other type "Unknown!", nothing at all an
// empty text.
std::u16string WmiValueText(const WmiValue& value);

// One property of the first instance of a management class, as text; empty when unknown.
class CWmiQuery {
public:
    explicit CWmiQuery(IWmi& wmi) : wmi_(wmi) {}

    std::u16string Query(const std::u16string& property, const std::u16string& className);
    const std::u16string& Result() const { return result_; }

    std::u16string GetBaseboardProduct() { return Query(u"Product", u"Win32_Baseboard"); }
    std::u16string GetBiosManufacturer() { return Query(u"Manufacturer", u"Win32_BIOS"); }
    std::u16string GetBiosSmbiosVersion() { return Query(u"SMBIOSBIOSVersion", u"Win32_BIOS"); }
    std::u16string GetVideoName() { return Query(u"Name", u"Win32_VideoController"); }
    std::u16string GetVideoDriverVersion() { return Query(u"DriverVersion", u"Win32_VideoController"); }
    std::u16string GetVideoProcessor() { return Query(u"VideoProcessor", u"Win32_VideoController"); }

private:
    IWmi& wmi_;
    std::u16string result_;
};

}  // namespace veltra
