#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/wmi.h"

namespace veltra::fakes {

// Management classes as lists of instances, each a map of typed properties.
class FakeWmi final : public IWmi {
public:
    using Instance = std::map<std::u16string, WmiValue>;

    void AddInstance(const std::u16string& className, Instance instance) {
        classes[className].push_back(std::move(instance));
    }
    static WmiValue Text(std::u16string text) { return {WmiValueType::String, std::move(text), 0}; }
    static WmiValue Int32(std::int32_t number) { return {WmiValueType::Int32, {}, number}; }

    WmiValue FirstInstanceProperty(const std::u16string& className, const std::u16string& property) override {
        const auto found = classes.find(className);
        if (found == classes.end() || found->second.empty()) return {};
        const Instance& first = found->second.front();
        const auto value = first.find(property);
        return value == first.end() ? WmiValue{WmiValueType::Other, {}, 0} : value->second;
    }

    std::map<std::u16string, std::vector<Instance>> classes;
};

}  // namespace veltra::fakes
