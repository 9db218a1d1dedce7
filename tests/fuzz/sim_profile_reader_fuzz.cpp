// The simulated drivers' reader of the compiled profile: any bytes are either refused or
// walked entirely inside the buffer (ASan reports any access past it).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> bytes(data, data + size);  // exactly sized, so overreads are caught
    if (size > SIM_PROFILE_MAX_SIZE || !SimProfileIsValid(bytes.data(), static_cast<ULONG>(size))) return 0;
    const SimProfile profile{bytes.data(), static_cast<ULONG>(size)};
    SimEntry entry;
    ULONG cursor = 0, sum = 0, count = 0;
    while (SimNextEntry(&profile, &cursor, &entry))
        for (ULONG i = 0; i < entry.size; ++i) sum += entry.payload[i];
    SimFindSwitch(&profile, SIM_DRIVER_PORVIK, SIM_SWITCH_SHORT_REPLY, 0xC3506104u, &count);
    return static_cast<int>(sum & 0);
}
