#pragma once
#include <windows.h>

#include <ostream>

namespace veltra::winetest {

// One message as a test expects it: sent or posted, with its parameters.
struct LoggedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    friend bool operator==(const LoggedMessage&, const LoggedMessage&) = default;
    friend std::ostream& operator<<(std::ostream& out, const LoggedMessage& m) {
        return out << "{0x" << std::hex << m.message << ", 0x" << m.wParam << ", 0x" << m.lParam << std::dec << "}";
    }
};

}  // namespace veltra::winetest
