// A manifest from a hostile server (its signature already broken or not): any bytes give a
// manifest or a reason, and what is read writes back to text that reads the same, with every
// path one an address below the server leads to (a '?' or '#' would start a query or a
// fragment, so such a path is listed but never matched).
#include <cstddef>
#include <cstdint>

#include "core/text.h"
#include "trust/manifest.h"
#include "trust/manifest_path.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const veltra::ManifestRead read = veltra::ReadManifest({data, size});
    if (read.manifest.has_value() == !read.error.empty()) __builtin_trap();
    if (!read.manifest) return 0;
    const std::string text = veltra::WriteManifest(*read.manifest);
    const veltra::ManifestRead again =
        veltra::ReadManifest({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    if (again.manifest != read.manifest) __builtin_trap();
    const std::u16string base = u"http://127.0.0.1:8080";
    for (const veltra::ManifestEntry& entry : read.manifest->files) {
        if (entry.path.find_first_of("?#") != std::string::npos) continue;
        if (veltra::ManifestPath(base + u"/" + veltra::Utf8ToUtf16(entry.path), base) != entry.path) __builtin_trap();
    }
    return 0;
}
