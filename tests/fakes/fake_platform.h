#pragma once
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_windows.h"
#include "platform/platform.h"
#include "platform/windows1252.h"

namespace veltra::fakes {

class FakeMessageBox final : public IMessageBox {
public:
    void Show(const std::u16string& text, const std::u16string& title) override { shown.emplace_back(text, title); }
    void ShowStop(const std::u16string& text, const std::u16string& title) override {
        stopShown.emplace_back(text, title);
    }
    std::vector<std::pair<std::u16string, std::u16string>> shown;      // text, title
    std::vector<std::pair<std::u16string, std::u16string>> stopShown;  // with the stop icon
};

class FakeSystemVersion final : public ISystemVersion {
public:
    OsVersion GetVersion() override { return version; }
    ProcessorArchitecture NativeArchitecture() override { return architecture; }
    OsVersion version{6, 1, 7601, 2};
    ProcessorArchitecture architecture = ProcessorArchitecture::Amd64;
};

// The system's table of named mutexes, shared by the FakeNamedMutexes of several "processes".
struct MutexTable {
    std::set<std::u16string> names;
    bool failCreate = false;
    bool hideFromOpen = false;  // a mutex that exists but cannot be opened (the race's second window)
};

class FakeNamedMutexes final : public INamedMutexes {
public:
    explicit FakeNamedMutexes(std::shared_ptr<MutexTable> table) : table_(std::move(table)) {}
    bool OpenExisting(const std::u16string& name) override {
        return !table_->hideFromOpen && table_->names.count(name) != 0;
    }
    MutexCreateResult CreateOwned(const std::u16string& name) override {
        if (table_->failCreate) return MutexCreateResult::Failed;
        return table_->names.insert(name).second ? MutexCreateResult::Created : MutexCreateResult::AlreadyExisted;
    }

private:
    std::shared_ptr<MutexTable> table_;
};

// Starting a program runs a callback that may open its windows (the editor, for instance).
class FakeProcessLauncher final : public IProcessLauncher {
public:
    bool Start(const std::u16string& commandLine) override {
        started.push_back(commandLine);
        auto found = programs.find(commandLine);
        if (found == programs.end()) return false;
        found->second();
        return true;
    }
    std::map<std::u16string, std::function<void()>> programs;
    std::vector<std::u16string> started;
};

class FakeClock final : public IClock {
public:
    DateTime LocalNow() override { return now; }
    void SleepMilliseconds(unsigned milliseconds) override {
        slept += milliseconds;
        if (onSleep) onSleep(slept);
    }
    DateTime now{2026, 12, 1, 7, 9, 30, 0, 0};
    unsigned slept = 0;
    std::function<void(unsigned)> onSleep;  // called with the total slept so far
};

class FakeProcessInfo final : public IProcessInfo {
public:
    std::u16string ExecutablePath() override { return path; }
    std::u16string path = u"C:\\Program Files\\Norva\\Veltra\\veltra.exe";
};

// One of each fake, bundled as the logic's Platform.
struct FakePlatform {
    FakeRegistry registry;
    FakeSystemVersion systemVersion;
    std::shared_ptr<MutexTable> mutexTable = std::make_shared<MutexTable>();
    FakeNamedMutexes mutexes{mutexTable};
    FakeWindows windows;
    FakeMessageBox messageBox;
    FakeProcessLauncher launcher;
    FakeClock clock;
    Windows1252CodePage codePage;
    FakeProcessInfo processInfo;
    FakeFileSystem fileSystem;
    Platform platform{registry, systemVersion, mutexes, windows,     messageBox,
                      launcher, clock,         codePage, processInfo, fileSystem};
};

}  // namespace veltra::fakes
