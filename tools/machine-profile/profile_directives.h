#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "machine_profile.h"
#include "profile_tokens.h"

namespace veltra::profile {

// A directive's handler gets the words after the directive's name.
using Args = std::vector<Token>;
struct Directive {
    std::size_t minArgs;
    std::size_t maxArgs;
    std::function<void(MachineProfile&, const Args&)> apply;
};
using DirectiveTable = std::map<std::string, Directive>;

void AddMemoryDirectives(DirectiveTable& table);
void AddDeviceDirectives(DirectiveTable& table);
void AddWindowsDirectives(DirectiveTable& table);

}  // namespace veltra::profile
