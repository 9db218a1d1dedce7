#pragma once
#include <memory>
#include <ostream>

namespace veltra {

class IInstalledVersions;
class IWmi;
struct CheckInputs;
struct CliOptions;
struct MachineFacts;
struct Platform;
struct VT5Record;

// Exit code of a command that could not identify its machine; kIdentified when it could.
constexpr int kIdentified = -1;

// This computer as the program identifies it at start: work folder, operating system,
// both drivers, board, PCI bus, graphics card, video BIOS and the facts the checks read.
// Without a driver it ends as the program does (message on err, exit code 0).
int IdentifyThisMachine(const CliOptions& options, Platform& platform, IWmi& wmi, VT5Record& vt5,
                        MachineFacts& facts, std::ostream& err);

// The machine whose updates are checked: a saved identity (--identity) on the work folder,
// or this computer. Fills vt5, the check inputs and the installed versions.
int PrepareMachine(const CliOptions& options, Platform& platform, IWmi& wmi, VT5Record& vt5, CheckInputs& inputs,
                   std::unique_ptr<IInstalledVersions>& installed, std::ostream& err);

}  // namespace veltra
