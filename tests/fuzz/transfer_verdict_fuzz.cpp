// A reply from a hostile server and a name from a hostile catalogue: the verdict is one
// of the three outcomes and keeps a file only for a whole 2xx reply within the rules; a
// safe file name stays in its folder whatever the bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "transfer/item_addresses.h"
#include "transfer/server_address.h"
#include "transfer/transfer_monitor.h"

namespace {

std::u16string Text(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) text += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    return text;
}

void CheckSafeName(const std::u16string& name) {
    const std::u16string safe = veltra::SafeFileName(name);
    for (char16_t unit : safe) {
        if (unit < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(unit) != std::u16string_view::npos) __builtin_trap();
    }
    if (safe.find_first_not_of(u". ") == std::u16string::npos) __builtin_trap();
    if (veltra::SafeFileName(safe) != safe) __builtin_trap();  // a device name would get another "_"
}

// A server address is its own normal form, and a catalogue's path never takes a folder's
// file outside the folder.
void CheckServerAddress(const std::u16string& text) {
    const std::optional<std::u16string> base = veltra::ServerAddress(text);
    if (base && veltra::ServerAddress(*base) != base) __builtin_trap();
    const std::optional<std::u16string> path = veltra::FolderPathOf(u"file:///C:/m/" + text);
    if (path && (!path->starts_with(u"C:\\m") || path->find(u"\\..\\") != std::u16string::npos || path->ends_with(u"\\.."))) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 12) return 0;
    const veltra::TransferRules rules{data[0] * 16u, data[1] % 8, (data[2] & 1) != 0, (data[2] & 2) != 0, std::nullopt};
    const auto call = static_cast<veltra::TransferCall>(data[3] % 3);
    const std::uint32_t status = data[4] | data[5] << 8;
    const std::uint64_t fileBytes = data[6] * 16u;
    const std::u16string headers = Text(data + 12, size - 12);
    CheckSafeName(headers);
    CheckServerAddress(headers);
    veltra::TransferMonitor monitor(u"http://127.0.0.1:8080/DataBase/VT5/VDList.xml", rules);
    for (int i = 0; i < data[7] % 4; ++i) monitor.Progress(0, 0, veltra::kStatusRedirecting, headers.c_str());
    monitor.Progress(data[8] * 16u, 0, data[9], nullptr);
    monitor.Response(status, headers);
    const veltra::TransferVerdict verdict = monitor.Finish(call, fileBytes);
    if (verdict.sResult != u"" && verdict.sResult != u"1" && verdict.sResult != u"2") __builtin_trap();
    if (verdict.keepFile != verdict.sResult.empty()) __builtin_trap();
    const bool good = call == veltra::TransferCall::Succeeded && status >= 200 && status <= 299 &&
                      headers.starts_with(u"HTTP/1.") && fileBytes <= rules.maxBytes;
    if (verdict.keepFile && !good) __builtin_trap();
    return 0;
}
