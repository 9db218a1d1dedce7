#include "transfer/update_server.h"

#include "core/program_key.h"
#include "platform/registry.h"

#ifndef VELTRA_UPDATE_SERVER
#error "VELTRA_UPDATE_SERVER names the default update server"
#endif

namespace veltra {
namespace {

std::u16string WithoutTrailingSlashes(std::u16string address) {
    while (!address.empty() && address.back() == u'/') address.pop_back();
    return address;
}

}  // namespace

std::u16string UpdateServerBase(IRegistry& registry, const std::optional<std::u16string>& override) {
    if (override) return WithoutTrailingSlashes(*override);
    const std::optional<std::u16string> configured =
        registry.ReadString(RegistryRoot::LocalMachine, kProgramKey, u"UpdateServer", 512);
    if (configured && !configured->empty()) return WithoutTrailingSlashes(*configured);
    return WithoutTrailingSlashes(u"" VELTRA_UPDATE_SERVER);
}

std::u16string ServerName(const std::u16string& base) {
    const std::size_t scheme = base.find(u"://");
    const std::size_t start = scheme == std::u16string::npos ? 0 : scheme + 3;
    return base.substr(start, base.find(u'/', start) - start);
}

}  // namespace veltra
