#pragma once
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/calendar.h"
#include "fakes/fake_devices.h"
#include "fakes/fake_driver_models.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_services.h"
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
    bool CreateUnowned(const std::u16string& name) override {
        if (table_->failCreate) return false;
        table_->names.insert(name);
        return true;
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
        if (journal != nullptr) journal->push_back("Sleep " + std::to_string(milliseconds));
        if (onSleep) onSleep(slept);
    }
    // The zone is UTC, without daylight saving.
    std::int64_t ToSeconds(const DateTime& local) override { return WallSeconds(local); }
    DateTime ToLocal(std::int64_t seconds) override { return FromWallSeconds(seconds); }
    DateTime now{2026, 12, 1, 7, 9, 30, 0, 0};
    unsigned slept = 0;
    std::function<void(unsigned)> onSleep;  // called with the total slept so far
    Journal* journal = nullptr;             // where each wait is noted, when set
};

// Ending the process is noted; the caller goes on, as a test needs it to.
class FakeProcessExit final : public IProcessExit {
public:
    explicit FakeProcessExit(Journal& journal) : journal_(journal) {}
    void Exit(unsigned exitCode) override {
        exitCodes.push_back(exitCode);
        journal_.push_back("ExitProcess " + std::to_string(exitCode));
    }
    std::vector<unsigned> exitCodes;

private:
    Journal& journal_;
};

class FakeProcessInfo final : public IProcessInfo {
public:
    std::u16string ExecutablePath() override { return path; }
    std::u16string path = u"C:\\Program Files\\Norva\\Veltra\\veltra.exe";
};

// One of each fake, bundled as the logic's Platform.
struct FakePlatform {
    FakePlatform() {
        clock.journal = &journal;
        devices.Attach(u"Porvik_1_0_4", porvikDevice);
        devices.Attach(u"NORVA_NORVABIOS_010507", biosDevice);
    }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    Journal journal;  // service, device, wait and exit calls in order
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
    FakeServiceManager services{fileSystem, journal};
    FakeDeviceIo devices{services, journal};
    FakeProcessExit processExit{journal};
    // The model machine behind the two kernel drivers' devices.
    ModelMachine machine;
    FakePorvikDevice porvikDevice{machine};
    FakeBiosDevice biosDevice;
    Platform platform{registry,  systemVersion, mutexes,    windows,  messageBox, launcher,   clock,
                      codePage, processInfo,   fileSystem, services, devices,    processExit};

    // Puts both drivers' files, 32 and 64 bits, beside the executable.
    void PlaceDriverFiles() {
        const std::u16string folder = processInfo.path.substr(0, processInfo.path.rfind(u'\\') + 1);
        for (const char16_t* file :
             {u"Porvik.sys", u"Porvik_X64.sys", u"norvabios32_100507.sys", u"norvabios64_100507.sys"}) {
            fileSystem.AddFile(folder + file, {0x4D, 0x5A});
        }
    }
};

}  // namespace veltra::fakes
