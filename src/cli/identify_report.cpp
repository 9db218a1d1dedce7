#include "cli/identify_report.h"

#include <variant>
#include <vector>

#include "app/text.h"
#include "app/vt5_record.h"

namespace veltra {
namespace {

struct Field {
    std::string name;
    std::variant<std::string, int> value;
};

std::vector<Field> IdentificationFields(const VT5Record& vt5) {
    return {
        {"sWorkPath", Utf16ToUtf8(vt5.sWorkPath)},
        {"sInstallDir", Utf16ToUtf8(vt5.sInstallDir)},
        {"sAppVersion", Utf16ToUtf8(vt5.sAppVersion)},
        {"sLibVersion", Utf16ToUtf8(vt5.sLibVersion)},
        {"nOS", vt5.nOS},
        {"sOSName", Utf16ToUtf8(vt5.sOSName)},
        {"sOSCode", Utf16ToUtf8(vt5.sOSCode)},
    };
}

std::string Shown(const std::variant<std::string, int>& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return std::to_string(std::get<int>(value));
}

}  // namespace

std::string IdentifyLines(const VT5Record& vt5) {
    std::string out;
    for (const Field& field : IdentificationFields(vt5)) out += "VT5." + field.name + "=" + Shown(field.value) + "\n";
    return out;
}

JsonValue IdentifyJson(const VT5Record& vt5) {
    JsonValue fields;
    for (Field& field : IdentificationFields(vt5)) {
        std::visit([&](auto& value) { fields.Add(field.name, JsonValue(std::move(value))); }, field.value);
    }
    JsonValue root;
    root.Add("VT5", std::move(fields));
    return root;
}

}  // namespace veltra
