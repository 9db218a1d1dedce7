#pragma once
#include <map>
#include <optional>
#include <string>

#include "catalogue/check_context.h"
#include "cli/json.h"

namespace veltra {

struct Platform;

// What the checks read of a machine beyond the VT5 record and the graphics card.
struct MachineFacts {
    bool dqaTest = false;
    std::optional<bool> dmiBiosMajorRelease4;  // empty when the DMI test did not run
    std::u16string nvidiaDriverVersion;
    std::map<std::u16string, std::u16string> installed;  // name to version, as GetInstalledVersion answers

    // A DMI test that did not run counts as false, as the board's own "xx" entries are then unknown.
    CheckInputs Inputs() const { return {dqaTest, dmiBiosMajorRelease4.value_or(false)}; }
};

// This machine's facts: the DQA TEST window and the registry's installed versions. The DMI
// test belongs to the board identification and stays empty until that has run.
MachineFacts GatherMachineFacts(Platform& platform);

// The members "dqaTest", "nvidiaDriverVersion" and "installed" (the identification report
// has "dmiBiosMajorRelease4").
void AddMachineFactsJson(const MachineFacts& facts, JsonValue& root);

}  // namespace veltra
