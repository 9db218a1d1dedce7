#pragma once

namespace veltra {

class IWindows;
class IMessageBox;

// The two engineer modes, switched on only by windows with fixed titles present at start.
struct TestModes {
    bool debug = false;
    bool dqa = false;
};

// Looks for the "Veltra Debug" and "Veltra DQA TEST" windows, in that order, and shows
// the message of each mode that is switched on.
TestModes DetectTestModes(IWindows& windows, IMessageBox& messageBox);

}  // namespace veltra
