#pragma once
#include <exception>
#include <string_view>

namespace veltra {

// One debug line "Exception in WHERE: WHAT"; never throws.
void LogCaughtException(std::string_view where, std::string_view what) noexcept;

// A C++ exception must not cross a system callback such as a window or dialog procedure
// (undefined behaviour): what `handler` throws is logged and `fallback`, the callback's
// default answer, is given instead.
template <typename Handler, typename Fallback>
auto AnswerOrDefault(std::string_view where, Handler&& handler, Fallback&& fallback) noexcept -> decltype(handler()) {
    try {
        return handler();
    } catch (const std::exception& caught) {
        LogCaughtException(where, caught.what());
    } catch (...) {
        LogCaughtException(where, "an exception of unknown type");
    }
    return fallback();
}

}  // namespace veltra
