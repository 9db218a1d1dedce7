#pragma once
// Physical memory made of the fuzzer's bytes, served at a few addresses, and a PCI bus
// with at most one display function: enough for the readers to walk on garbage.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>
#include <vector>

#include "hardware/hardware_io.h"

namespace veltra::fuzz {

class FuzzMemory final : public IHardwareIo {
public:
    void Serve(std::uint32_t address, std::string_view bytes) { regions_.emplace_back(address, bytes); }
    void SetDisplay(std::uint16_t vendor) { displayVendor_ = vendor; }

    std::size_t ReadMemory(std::uint32_t address, std::uint32_t unitSize, std::uint32_t unitCount,
                           std::uint8_t* destination) override {
        const std::uint64_t bytes = std::uint64_t{unitSize} * unitCount;
        for (const auto& [start, data] : regions_) {
            if (address < start || address - std::uint64_t{start} + bytes > data.size()) continue;
            std::memcpy(destination, data.data() + (address - start), static_cast<std::size_t>(bytes));
            return static_cast<std::size_t>(bytes);
        }
        return 0;
    }
    std::uint32_t ReadPciConfigDword(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                     std::uint32_t offset) override {
        if (displayVendor_ == 0 || bus != 0 || device != 2 || function != 0) return 0xFFFFFFFF;
        return offset == 0x08 ? 0x03000000u : (0x1234u << 16) | displayVendor_;
    }
    std::uint8_t ReadPortByte(std::uint16_t) override { return 0; }
    void WritePortByte(std::uint16_t, std::uint8_t) override {}

private:
    std::vector<std::pair<std::uint32_t, std::string_view>> regions_;
    std::uint16_t displayVendor_ = 0;
};

}  // namespace veltra::fuzz
