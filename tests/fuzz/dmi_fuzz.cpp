// The DMI test on a BIOS ROM window of arbitrary bytes: the first four bytes choose where
// a second copy of the data is served, so entry points may point at it, past it, or nowhere.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_memory.h"
#include "hardware/dmi.h"
#include "hardware/memory_search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    std::uint32_t elsewhere = 0;
    std::memcpy(&elsewhere, data, 4);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 4, size - 4);
    veltra::fuzz::FuzzMemory memory;
    memory.Serve(0xF0000, bytes);
    memory.Serve(elsewhere, bytes);
    veltra::IsDmiBiosMajorRelease4(memory);
    std::vector<std::u16string> matches;
    const int count = veltra::FindMemorySignature(memory, u"_DMI_", matches);
    if (count < 0 || static_cast<std::size_t>(count) != matches.size()) __builtin_trap();
    for (const std::u16string& match : matches) {
        const std::uint32_t address = veltra::HexToNumber(match);
        if (match.size() != 8 || address < 0xF0000 || address > 0xFFFFF) __builtin_trap();
    }
    return 0;
}
