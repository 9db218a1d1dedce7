#include "cli/identify_report.h"

#include "cli/cli_options.h"
#include "cli/machine_facts.h"
#include "cli/machine_identity.h"
#include "cli/plain_text.h"

#include <variant>
#include <vector>

#include "core/text.h"
#include "core/vt5_record.h"
#include "sysinfo/vga_info.h"

namespace veltra {
namespace {

using FieldValue = std::variant<std::string, int, std::vector<std::string>>;

struct Field {
    std::string name;
    FieldValue value;
};

std::vector<std::string> Utf8Texts(const std::vector<std::u16string>& texts) {
    std::vector<std::string> out;
    for (const std::u16string& text : texts) out.push_back(Utf16ToUtf8(text));
    return out;
}

std::vector<Field> IdentificationFields(const VT5Record& vt5) {
    return {
        {"sWorkPath", Utf16ToUtf8(vt5.sWorkPath)},
        {"sInstallDir", Utf16ToUtf8(vt5.sInstallDir)},
        {"sAppVersion", Utf16ToUtf8(vt5.sAppVersion)},
        {"sLibVersion", Utf16ToUtf8(vt5.sLibVersion)},
        {"nOS", vt5.nOS},
        {"sOSName", Utf16ToUtf8(vt5.sOSName)},
        {"sOSCode", Utf16ToUtf8(vt5.sOSCode)},
        {"cMB_Model", Utf16ToUtf8(vt5.cMB_Model)},
        {"cMB_BIOS_Version", Utf16ToUtf8(vt5.cMB_BIOS_Version)},
        {"cMB_BIOS_Vendor", Utf16ToUtf8(vt5.cMB_BIOS_Vendor)},
        {"sHomeModel", Utf16ToUtf8(vt5.sHomeModel)},
        {"sHomeBIOSVersion", Utf16ToUtf8(vt5.sHomeBIOSVersion)},
        {"saPciIds", Utf8Texts(vt5.saPciIds)},
    };
}

std::vector<Field> GraphicsCardFields(const VGAInfo& vga) {
    return {
        {"sVendor", Utf16ToUtf8(vga.sVendor)},
        {"sBIOSVersion", Utf16ToUtf8(vga.sBIOSVersion)},
        {"sBIOSText", Utf16ToUtf8(vga.sBIOSText)},
        {"sModelNo", Utf16ToUtf8(vga.sModelNo)},
        {"sDriverVersion", Utf16ToUtf8(vga.sDriverVersion)},
        {"sProcessor", Utf16ToUtf8(vga.sProcessor)},
        {"sCardName", Utf16ToUtf8(vga.sCardName)},
        {"nDeviceID", vga.nDeviceID},
    };
}

void AppendLines(std::string& out, const std::string& prefix, const std::vector<Field>& fields) {
    for (const Field& field : fields) {
        const std::string start = prefix + field.name + "=";
        if (const auto* text = std::get_if<std::string>(&field.value)) {
            out += start + PlainText(*text) + "\n";
        } else if (const auto* number = std::get_if<int>(&field.value)) {
            out += start + std::to_string(*number) + "\n";
        } else {
            for (const std::string& item : std::get<std::vector<std::string>>(field.value)) out += start + PlainText(item) + "\n";
        }
    }
}

JsonValue ToJson(const FieldValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return JsonValue(*text);
    if (const auto* number = std::get_if<int>(&value)) return JsonValue(*number);
    JsonValue::Array items;
    for (const std::string& item : std::get<std::vector<std::string>>(value)) items.emplace_back(item);
    return JsonValue(std::move(items));
}

JsonValue JsonObject(const std::vector<Field>& fields) {
    JsonValue object{JsonValue::Object{}};
    for (const Field& field : fields) object.Add(field.name, ToJson(field.value));
    return object;
}

}  // namespace

std::string IdentifyLines(const VT5Record& vt5, std::optional<bool> dmiBiosMajorRelease4) {
    std::string out;
    AppendLines(out, "VT5.", IdentificationFields(vt5));
    if (vt5.pVGA) AppendLines(out, "VT5.pVGA.", GraphicsCardFields(*vt5.pVGA));
    if (dmiBiosMajorRelease4) out += std::string("DMI.BiosMajorRelease4=") + (*dmiBiosMajorRelease4 ? "1" : "0") + "\n";
    return out;
}

JsonValue IdentifyJson(const VT5Record& vt5, std::optional<bool> dmiBiosMajorRelease4) {
    JsonValue fields = JsonObject(IdentificationFields(vt5));
    fields.Add("pVGA", vt5.pVGA ? JsonObject(GraphicsCardFields(*vt5.pVGA)) : JsonValue());
    JsonValue root;
    root.Add("VT5", std::move(fields));
    root.Add("dmiBiosMajorRelease4", dmiBiosMajorRelease4 ? JsonValue(*dmiBiosMajorRelease4) : JsonValue());
    return root;
}

namespace {

void PrintIdentity(const CliOptions& options, const VT5Record& vt5, const MachineFacts& facts, std::ostream& out) {
    if (!options.json) {
        out << IdentifyLines(vt5, facts.dmiBiosMajorRelease4);
        return;
    }
    JsonValue report = IdentifyJson(vt5, facts.dmiBiosMajorRelease4);
    AddMachineFactsJson(facts, report);
    out << report.Serialize() << '\n';
}

}  // namespace

int RunIdentifyCommand(const CliOptions& options, Platform& platform, IWmi& wmi, std::ostream& out, std::ostream& err) {
    VT5Record vt5;
    MachineFacts facts;
    const int exitCode = IdentifyThisMachine(options, platform, wmi, vt5, facts, err);
    if (exitCode != kIdentified) return exitCode;
    PrintIdentity(options, vt5, facts, out);
    return 0;
}

}  // namespace veltra
