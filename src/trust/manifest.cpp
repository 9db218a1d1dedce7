#include "trust/manifest.h"

#include "trust/manifest_fields.h"

namespace veltra {

const ManifestEntry* Manifest::Find(std::string_view path) const {
    for (const ManifestEntry& entry : files) {
        if (entry.path == path) return &entry;
    }
    return nullptr;
}

std::string WriteManifest(const Manifest& manifest) {
    std::string text;
    text.append(kManifestHeader).append("\n");
    text.append(kFolderField).append(manifest.folder).append("\n");
    text.append(kSequenceField).append(std::to_string(manifest.sequence)).append("\n");
    text.append(kExpiresField).append(UtcTimeText(manifest.expires)).append("\n");
    for (const ManifestEntry& entry : manifest.files) {
        text.append(DigestHex(entry.sha256)).append(" ").append(std::to_string(entry.size)).append(" ");
        text.append(entry.path).append("\n");
    }
    return text;
}

}  // namespace veltra
