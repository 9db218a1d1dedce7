#pragma once
#include <map>
#include <string>

#include "catalogue/check_context.h"
#include "cli/json.h"

namespace veltra {

struct Platform;

// What the checks read of a machine beyond the VT5 record and the graphics card.
struct MachineFacts {
    CheckInputs inputs;
    std::u16string nvidiaDriverVersion;
    std::map<std::u16string, std::u16string> installed;  // name to version, as GetInstalledVersion answers
};

// This machine's facts: the DQA TEST window, the registry's installed versions. The DMI
// test is the board identification's, which fills it in when it runs.
MachineFacts GatherMachineFacts(Platform& platform);

// The members "dmiBiosMajorRelease4", "dqaTest", "nvidiaDriverVersion" and "installed".
void AddMachineFactsJson(const MachineFacts& facts, JsonValue& root);

}  // namespace veltra
