#pragma once

namespace veltra {

class IWindows;
class IMessageBox;

// Titles of the windows that switch the engineer modes on.
inline constexpr char16_t kDebugWindowTitle[] = u"Veltra Debug";
inline constexpr char16_t kDqaTestWindowTitle[] = u"Veltra DQA TEST";

// The two engineer modes, switched on only by windows with fixed titles present at start.
struct TestModes {
    bool debug = false;
    bool dqa = false;
};

// Looks for the "Veltra Debug" and "Veltra DQA TEST" windows, in that order, and shows
// the message of each mode that is switched on.
TestModes DetectTestModes(IWindows& windows, IMessageBox& messageBox);

}  // namespace veltra
