#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace veltra {

// One result of "CheckList.rec": 988 bytes, little-endian, 8-bit texts zero-terminated.
struct CheckRecord {
    static constexpr std::size_t kSize = 988;
    std::int32_t index = 0;
    std::string flag;
    std::string type;
    std::string item;
    std::string currentVersion;
    std::string onlineVersion;
    std::string size;
    std::string webPath;
    std::string description;
    std::string state;
};

// Zero-filled bytes with every text cut to its field size minus the terminator.
std::array<unsigned char, CheckRecord::kSize> SerializeCheckRecord(const CheckRecord& record);
CheckRecord ParseCheckRecord(std::span<const unsigned char, CheckRecord::kSize> bytes);

// Offset and size of the state field, rewritten in place when an item is downloaded.
inline constexpr std::size_t kCheckStateOffset = 985;
inline constexpr std::size_t kCheckStateSize = 3;

}  // namespace veltra
