#include "fakes/fake_driver_models.h"

#include <algorithm>
#include <vector>

#include "hardware/bios_driver.h"
#include "porvik_model.h"

namespace veltra::fakes {

bool FakePorvikDevice::Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                              std::uint32_t& bytesReturned) {
    // The driver answers in place, in one buffer for both directions.
    std::vector<std::uint8_t> buffer(std::max(input.size(), output.size()));
    std::copy(input.begin(), input.end(), buffer.begin());
    ULONG written = 0;
    if (PorvikHandleRequest(&machine_.Driver(), code, buffer.data(), static_cast<ULONG>(input.size()),
                            static_cast<ULONG>(output.size()), &written, openHandles) != STATUS_SUCCESS)
        return false;
    std::copy_n(buffer.begin(), written, output.begin());
    bytesReturned = written;
    return true;
}

bool FakeBiosDevice::Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                            std::uint32_t& bytesReturned) {
    // An identification request for a board the driver does not know: an empty answer.
    if (code != kIdentifyBoardCode || !input.empty() || output.size() < 256) return false;
    bytesReturned = 0;
    return true;
}

}  // namespace veltra::fakes
