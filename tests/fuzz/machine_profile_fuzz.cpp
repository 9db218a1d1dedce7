// Any text given to the profile compiler gives a profile or a one-line error, and whatever
// it compiles is accepted by the drivers' own reader. The reader also takes the raw bytes:
// it refuses them or walks them entirely inside the buffer (ASan reports any access past it).
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "machine_profile.h"
#include "sim_profile.h"

namespace {

void WalkCompiled(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);  // exactly sized, so overreads are caught
    if (size > SIM_PROFILE_MAX_SIZE || !SimProfileIsValid(bytes.data(), static_cast<ULONG>(size))) return;
    const SimProfile profile{bytes.data(), static_cast<ULONG>(size)};
    SimEntry entry;
    ULONG cursor = 0, count = 0;
    volatile ULONG sum = 0;  // every payload byte is read
    while (SimNextEntry(&profile, &cursor, &entry))
        for (ULONG i = 0; i < entry.size; ++i) sum = sum + entry.payload[i];
    SimFindSwitch(&profile, SIM_DRIVER_PORVIK, SIM_SWITCH_SHORT_REPLY, 0xC3506104u, &count);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WalkCompiled(data, size);
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto loader = [](const std::string& name) -> std::optional<std::string> {
        if (name == "board.inc") return std::string("memory 0xF0000 0x100\npci 00:1f.3 1 2 0x0C0500\n");
        if (name == "self.inc") return std::string("include \"self.inc\"\n");
        return std::nullopt;
    };
    const veltra::profile::ParseResult result = veltra::profile::ParseMachineProfile(text, loader);
    if (!result.profile) {
        if (result.error.empty() || result.error.find('\n') != std::string::npos) __builtin_trap();
        return 0;
    }
    const std::vector<std::uint8_t> bytes = veltra::profile::CompileMachineProfile(*result.profile);
    if (veltra::profile::CompiledProfileProblem(bytes).empty() &&
        !SimProfileIsValid(bytes.data(), static_cast<ULONG>(bytes.size())))
        __builtin_trap();
    veltra::profile::CardListFile(*result.profile);
    return 0;
}
