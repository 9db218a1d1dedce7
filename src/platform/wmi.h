#pragma once
#include <cstdint>
#include <string>

namespace veltra {

enum class WmiValueType {
    None,    // no connection, no such class or no instance
    String,  // a string; an absent string reads as empty
    Int32,   // a 32-bit integer
    Other,   // any other type, or a property the instance does not have
};

struct WmiValue {
    WmiValueType type = WmiValueType::None;
    std::u16string text;
    std::int32_t number = 0;
};

// The management instrumentation of namespace "root\cimv2".
class IWmi {
public:
    virtual ~IWmi() = default;
    // One property of the first instance that the enumeration of the class returns.
    virtual WmiValue FirstInstanceProperty(const std::u16string& className, const std::u16string& property) = 0;
};

}  // namespace veltra
