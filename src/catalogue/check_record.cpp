#include "catalogue/check_record.h"

#include "core/byte_buffer.h"

namespace veltra {
namespace {

struct TextField {
    std::string CheckRecord::*member;
    std::size_t offset;
    std::size_t size;
};

constexpr std::array<TextField, 9> kTextFields = {{
    {&CheckRecord::flag, 4, 3},
    {&CheckRecord::type, 7, 30},
    {&CheckRecord::item, 37, 50},
    {&CheckRecord::currentVersion, 87, 30},
    {&CheckRecord::onlineVersion, 117, 30},
    {&CheckRecord::size, 147, 70},
    {&CheckRecord::webPath, 217, 256},
    {&CheckRecord::description, 473, 512},
    {&CheckRecord::state, kCheckStateOffset, kCheckStateSize},
}};

}  // namespace

std::array<unsigned char, CheckRecord::kSize> SerializeCheckRecord(const CheckRecord& record) {
    std::array<unsigned char, CheckRecord::kSize> bytes{};
    PutI32(bytes, 0, record.index);
    for (const TextField& field : kTextFields) PutText(bytes, field.offset, field.size, record.*field.member);
    return bytes;
}

CheckRecord ParseCheckRecord(std::span<const unsigned char, CheckRecord::kSize> bytes) {
    CheckRecord record;
    record.index = GetI32(bytes, 0);
    for (const TextField& field : kTextFields) record.*field.member = GetText(bytes, field.offset, field.size);
    return record;
}

}  // namespace veltra
