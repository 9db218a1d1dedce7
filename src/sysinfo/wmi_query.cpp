#include "sysinfo/wmi_query.h"

#include "core/text.h"
#include "platform/wmi.h"

namespace veltra {

std::u16string WmiValueText(const WmiValue& value) {
    switch (value.type) {
        case WmiValueType::String: return value.text;
        // The service hands unsigned sizes over as signed 32-bit integers: 4 GiB less 1 MiB
        // must read 4095, not -1.
        case WmiValueType::Int32: return DecimalText(static_cast<std::uint32_t>(value.number) / 1024 / 1024) + u" MBytes";
        case WmiValueType::Other: return u"Unknown!";
        case WmiValueType::None: break;
    }
    return {};
}

std::u16string CWmiQuery::Query(const std::u16string& property, const std::u16string& className) {
    result_ = WmiValueText(wmi_.FirstInstanceProperty(className, property));
    return result_;
}

}  // namespace veltra
