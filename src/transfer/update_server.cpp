#include "transfer/update_server.h"

#include "core/debug_log.h"
#include "core/program_key.h"
#include "platform/registry.h"
#include "transfer/server_address.h"

#ifndef VELTRA_UPDATE_SERVER
#error "VELTRA_UPDATE_SERVER names the default update server"
#endif

namespace veltra {
namespace {

// An address that is none of the forms is kept as it is: every transfer to it is then
// refused as an invalid address, which names it.
std::u16string Normalized(const std::u16string& address) {
    const std::optional<std::u16string> normalized = ServerAddress(address);
    if (!normalized) DebugLog(u"The update server is no http, https or file: address nor a folder: " + address);
    return normalized.value_or(address);
}

}  // namespace

std::u16string UpdateServerBase(IRegistry& registry, const std::optional<std::u16string>& override) {
    if (override) return Normalized(*override);
    const std::optional<std::u16string> configured =
        registry.ReadString(RegistryRoot::LocalMachine, kProgramKey, u"UpdateServer", 512);
    if (configured && !configured->empty()) return Normalized(*configured);
    return Normalized(u"" VELTRA_UPDATE_SERVER);
}

std::u16string ServerName(const std::u16string& base) {
    if (const std::optional<std::u16string> folder = FolderPathOf(base)) return *folder;
    const std::size_t scheme = base.find(u"://");
    const std::size_t start = scheme == std::u16string::npos ? 0 : scheme + 3;
    return base.substr(start, base.find(u'/', start) - start);
}

}  // namespace veltra
