#include "cli/saved_identity.h"

#include <limits>

#include "core/text.h"
#include "core/vt5_record.h"
#include "cli/json_parse.h"
#include "sysinfo/vga_info.h"

namespace veltra {
namespace {

// Reads typed members and keeps the first problem as one line that names the field.
class FieldReader {
public:
    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }

    const JsonValue* Find(const JsonValue* object, const std::string& path, std::string_view key) {
        const JsonValue* value = object == nullptr ? nullptr : object->Member(key);
        if (value == nullptr) Fail(path, "is missing");
        return value;
    }

    void Text(const JsonValue* object, const std::string& prefix, std::string_view key, std::u16string& out) {
        const std::string path = prefix + std::string(key);
        const JsonValue* value = Find(object, path, key);
        if (value == nullptr) return;
        if (const std::string* text = value->AsString()) {
            out = Utf8ToUtf16(*text);
        } else {
            Fail(path, "is not a text");
        }
    }

    template <typename Integer>
    void Number(const JsonValue* object, const std::string& prefix, std::string_view key, Integer& out) {
        const std::string path = prefix + std::string(key);
        const JsonValue* value = Find(object, path, key);
        if (value == nullptr) return;
        const std::int64_t* number = value->AsInteger();
        if (number == nullptr || *number < std::numeric_limits<Integer>::min() ||
            *number > std::numeric_limits<Integer>::max()) {
            Fail(path, "is not a 32-bit integer");
            return;
        }
        // Operating-system bits and device ids are never negative.
        if (*number < 0) {
            Fail(path, "is negative");
            return;
        }
        out = static_cast<Integer>(*number);
    }

    void Flag(const JsonValue* object, std::string_view key, bool& out) {
        std::optional<bool> flag;
        FlagOrNull(object, key, flag, false);
        out = flag.value_or(false);
    }

    void FlagOrNull(const JsonValue* object, std::string_view key, std::optional<bool>& out, bool nullAllowed = true) {
        const JsonValue* value = Find(object, std::string(key), key);
        if (value == nullptr) return;
        if (const bool* flag = value->AsBool()) {
            out = *flag;
        } else if (!nullAllowed || !value->IsNull()) {
            Fail(std::string(key), nullAllowed ? "is not true, false or null" : "is not true or false");
        }
    }

    void Fail(const std::string& path, const std::string& what) {
        if (error_.empty()) error_ = "identity field \"" + path + "\" " + what;
    }

private:
    std::string error_;
};

void ReadRecordFields(FieldReader& reader, const JsonValue& root, SavedIdentity& identity) {
    const JsonValue* vt5 = reader.Find(&root, "VT5", "VT5");
    if (vt5 != nullptr && vt5->AsObject() == nullptr) reader.Fail("VT5", "is not an object");
    reader.Number(vt5, "VT5.", "nOS", identity.nOS);
    reader.Text(vt5, "VT5.", "sOSCode", identity.sOSCode);
    reader.Text(vt5, "VT5.", "cMB_Model", identity.cMB_Model);
    reader.Text(vt5, "VT5.", "cMB_BIOS_Version", identity.cMB_BIOS_Version);
    reader.Text(vt5, "VT5.", "cMB_BIOS_Vendor", identity.cMB_BIOS_Vendor);
    if (vt5 != nullptr && vt5->Member("sOSName") != nullptr) reader.Text(vt5, "VT5.", "sOSName", identity.sOSName);
}

void ReadPciIds(FieldReader& reader, const JsonValue& root, SavedIdentity& identity) {
    const JsonValue* ids = reader.Find(root.Member("VT5"), "VT5.saPciIds", "saPciIds");
    if (ids == nullptr) return;
    const JsonValue::Array* array = ids->AsArray();
    if (array == nullptr) return reader.Fail("VT5.saPciIds", "is not an array");
    for (std::size_t i = 0; i < array->size(); ++i) {
        const std::string* text = (*array)[i].AsString();
        if (text == nullptr) return reader.Fail("VT5.saPciIds[" + std::to_string(i) + "]", "is not a text");
        identity.saPciIds.push_back(Utf8ToUtf16(*text));
    }
}

void ReadCard(FieldReader& reader, const JsonValue& root, SavedIdentity& identity) {
    const JsonValue* card = reader.Find(root.Member("VT5"), "VT5.pVGA", "pVGA");
    if (card == nullptr || card->IsNull()) return;
    if (card->AsObject() == nullptr) return reader.Fail("VT5.pVGA", "is not an object or null");
    auto vga = std::make_shared<VGAInfo>();
    reader.Text(card, "VT5.pVGA.", "sVendor", vga->sVendor);
    reader.Text(card, "VT5.pVGA.", "sBIOSVersion", vga->sBIOSVersion);
    reader.Text(card, "VT5.pVGA.", "sBIOSText", vga->sBIOSText);
    reader.Text(card, "VT5.pVGA.", "sModelNo", vga->sModelNo);
    reader.Text(card, "VT5.pVGA.", "sDriverVersion", vga->sDriverVersion);
    reader.Text(card, "VT5.pVGA.", "sProcessor", vga->sProcessor);
    reader.Text(card, "VT5.pVGA.", "sCardName", vga->sCardName);
    reader.Number(card, "VT5.pVGA.", "nDeviceID", vga->nDeviceID);
    identity.pVGA = std::move(vga);
}

void ReadInstalled(FieldReader& reader, const JsonValue& root, SavedIdentity& identity) {
    const JsonValue* installed = reader.Find(&root, "installed", "installed");
    if (installed == nullptr) return;
    const JsonValue::Object* object = installed->AsObject();
    if (object == nullptr) return reader.Fail("installed", "is not an object");
    for (const auto& [name, version] : *object) {
        const std::string* text = version.AsString();
        if (text == nullptr) return reader.Fail("installed." + name, "is not a text");
        identity.facts.installed[Utf8ToUtf16(name)] = Utf8ToUtf16(*text);
    }
}

// The file as UTF-8 without a byte-order mark: PowerShell and Notepad write UTF-8 with a
// mark and UTF-16 LE with one.
std::optional<std::string> IdentityText(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
    if (!bytes.starts_with("\xFF\xFE")) return std::string(bytes);
    if (bytes.size() % 2 != 0) return std::nullopt;
    std::u16string text;
    for (std::size_t at = 2; at < bytes.size(); at += 2) {
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8);
    }
    return Utf16ToUtf8(text);
}

}  // namespace

SavedIdentityResult ParseSavedIdentity(std::string_view bytes) {
    const std::optional<std::string> json = IdentityText(bytes);
    if (!json) return {std::nullopt, "identity file is not UTF-8 or UTF-16 text"};
    const JsonParseResult parsed = ParseJson(*json);
    if (!parsed.value) return {std::nullopt, "identity file is not JSON: " + parsed.error};
    const JsonValue& root = *parsed.value;
    if (root.AsObject() == nullptr) return {std::nullopt, "identity file is not a JSON object"};
    FieldReader reader;
    SavedIdentity identity;
    ReadRecordFields(reader, root, identity);
    ReadPciIds(reader, root, identity);
    ReadCard(reader, root, identity);
    reader.FlagOrNull(&root, "dmiBiosMajorRelease4", identity.facts.dmiBiosMajorRelease4);
    reader.Flag(&root, "dqaTest", identity.facts.dqaTest);
    reader.Text(&root, "", "nvidiaDriverVersion", identity.facts.nvidiaDriverVersion);
    ReadInstalled(reader, root, identity);
    if (reader.Failed()) return {std::nullopt, reader.Error()};
    return {std::move(identity), {}};
}

void ApplySavedIdentity(const SavedIdentity& identity, VT5Record& vt5) {
    vt5.nOS = identity.nOS;
    vt5.sOSName = identity.sOSName;
    vt5.sOSCode = identity.sOSCode;
    vt5.cMB_Model = identity.cMB_Model;
    vt5.cMB_BIOS_Version = identity.cMB_BIOS_Version;
    vt5.cMB_BIOS_Vendor = identity.cMB_BIOS_Vendor;
    vt5.saPciIds = identity.saPciIds;
    vt5.pVGA = identity.pVGA;
}

}  // namespace veltra
