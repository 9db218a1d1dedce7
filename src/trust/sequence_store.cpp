#include "trust/sequence_store.h"

#include "core/program_key.h"
#include "core/text.h"
#include "platform/registry.h"
#include "trust/manifest_fields.h"

namespace veltra {
namespace {

constexpr std::size_t kValueBytes = 64;  // 20 digits and the terminator, with room to spare

const char16_t* ValueName(ServerFolder folder) {
    return folder == ServerFolder::DQATest ? u"ManifestSequenceDQA" : u"ManifestSequence";
}

}  // namespace

std::uint64_t LastAcceptedSequence(IRegistry& registry, ServerFolder folder) {
    const std::optional<std::u16string> text =
        registry.ReadString(RegistryRoot::LocalMachine, kProgramKey, ValueName(folder), kValueBytes);
    if (!text) return 0;
    return ParseDecimal(Utf16ToUtf8(*text)).value_or(0);
}

bool RememberAcceptedSequence(IRegistry& registry, ServerFolder folder, std::uint64_t sequence) {
    if (sequence <= LastAcceptedSequence(registry, folder)) return true;
    return registry.WriteString(RegistryRoot::LocalMachine, kProgramKey, ValueName(folder),
                                Utf8ToUtf16(std::to_string(sequence)));
}

}  // namespace veltra
