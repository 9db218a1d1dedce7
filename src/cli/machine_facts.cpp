#include "cli/machine_facts.h"

#include "catalogue/installed_versions.h"
#include "core/text.h"
#include "platform/platform.h"
#include "startup/test_modes.h"

namespace veltra {

MachineFacts GatherMachineFacts(Platform& platform) {
    RegistryInstalledVersions registry(platform.registry, platform.codePage);
    MachineFacts facts;
    facts.dqaTest = platform.windows.FindTopLevelByTitle(kDqaTestWindowTitle) != 0;
    facts.nvidiaDriverVersion = registry.NvidiaDriverVersion();
    facts.installed = registry.AllInstalled();
    return facts;
}

void AddMachineFactsJson(const MachineFacts& facts, JsonValue& root) {
    root.Add("dqaTest", facts.dqaTest);
    root.Add("nvidiaDriverVersion", Utf16ToUtf8(facts.nvidiaDriverVersion));
    JsonValue installed(JsonValue::Object{});
    for (const auto& [name, version] : facts.installed) installed.Add(Utf16ToUtf8(name), Utf16ToUtf8(version));
    root.Add("installed", std::move(installed));
}

}  // namespace veltra
