#pragma once
#include <string>
#include <string_view>

#include "core/text.h"

namespace veltra {
namespace detail {

template <typename Char>
constexpr Char FoldAtoZ(Char unit) {
    return unit >= Char('a') && unit <= Char('z') ? static_cast<Char>(unit - Char('a') + Char('A')) : unit;
}

template <typename Char>
bool EqualsFolding(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldAtoZ(a[i]) != FoldAtoZ(b[i])) return false;
    }
    return true;
}

}  // namespace detail

// Equality of two texts with only the letters A to Z folded, as the catalogues compare tags and names.
inline bool EqualsFoldingAtoZ(std::string_view a, std::string_view b) { return detail::EqualsFolding(a, b); }
inline bool EqualsFoldingAtoZ(std::u16string_view a, std::u16string_view b) { return detail::EqualsFolding(a, b); }

// The text with a to z turned into A to Z, a key for comparisons that fold only those.
inline std::string FoldedAtoZ(std::string text) {
    for (char& unit : text) unit = detail::FoldAtoZ(unit);
    return text;
}

}  // namespace veltra
