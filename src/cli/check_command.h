#pragma once
#include <memory>
#include <ostream>
#include <string>

namespace veltra {

class IInstalledVersions;
class IWmi;
struct CheckInputs;
struct CliOptions;
struct Platform;
struct VT5Record;

// The start-up identification of the work folder; false (with a message) when it cannot be used.
bool IdentifyWorkFolder(const CliOptions& options, Platform& platform, VT5Record& vt5, std::ostream& err);
// The saved identity of --identity applied to vt5, with its check inputs and installed versions.
std::unique_ptr<IInstalledVersions> LoadSavedMachine(const CliOptions& options, Platform& platform, VT5Record& vt5,
                                                     CheckInputs& inputs, std::string& error);

// A record file that could not be opened: its message on err, and the exit code 1, so a
// refused file does not pass for an empty one.
int RecordRefused(const std::u16string& failure, std::ostream& err);

// "check": the check phase over the work folder's catalogues, for this machine or a saved one.
int RunCheckCommand(const CliOptions& options, Platform& platform, IWmi& wmi, std::ostream& out, std::ostream& err);
// "list": the rows of the existing "CheckList.rec".
int RunListCommand(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err);

}  // namespace veltra
