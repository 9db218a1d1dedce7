#include "sysinfo/wmi_query.h"

#include "app/text.h"
#include "platform/wmi.h"

namespace veltra {

std::u16string WmiValueText(const WmiValue& value) {
    switch (value.type) {
        case WmiValueType::String: return value.text;
        case WmiValueType::Int32: return DecimalText(value.number / 1024 / 1024) + u" MBytes";
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
