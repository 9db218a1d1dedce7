#pragma once
#include <memory>
#include <vector>

#include "platform/platform.h"

namespace veltra {

// The real Windows implementations of every platform interface.
class Win32Registry final : public IRegistry {
public:
    std::optional<std::u16string> ReadString(RegistryRoot root, const std::u16string& key, const std::u16string& value,
                                             std::size_t byteCount) override;
    std::vector<std::u16string> SubKeyNames(RegistryRoot root, const std::u16string& key) override;
    bool WriteString(RegistryRoot root, const std::u16string& key, const std::u16string& value,
                     const std::u16string& text) override;
};

class Win32SystemVersion final : public ISystemVersion {
public:
    OsVersion GetVersion() override;
    ProcessorArchitecture NativeArchitecture() override;
};

class Win32NamedMutexes final : public INamedMutexes {
public:
    Win32NamedMutexes() = default;
    Win32NamedMutexes(const Win32NamedMutexes&) = delete;
    Win32NamedMutexes& operator=(const Win32NamedMutexes&) = delete;
    ~Win32NamedMutexes() override;
    bool OpenExisting(const std::u16string& name) override;
    MutexCreateResult CreateOwned(const std::u16string& name) override;
    bool CreateUnowned(const std::u16string& name) override;

private:
    void* held_ = nullptr;           // the owned mutex, closed on destruction
    std::vector<void*> markers_;  // mutexes created without owning them, kept to the end
};

class Win32Windows final : public IWindows {
public:
    WindowHandle FindTopLevelByTitle(const std::u16string& title) override;
    WindowHandle FindTopLevelByClass(const std::u16string& className) override;
    void SetPosition(WindowHandle window, int x, int y, int width, int height) override;
    void SetTitle(WindowHandle window, const std::u16string& title) override;
    WindowHandle FirstChild(WindowHandle window) override;
    void SendChar(WindowHandle window, char16_t unit) override;
    void PostClose(WindowHandle window) override;
};

class Win32MessageBox final : public IMessageBox {
public:
    void Show(const std::u16string& text, const std::u16string& title) override;
    void ShowStop(const std::u16string& text, const std::u16string& title) override;
};

class Win32ProcessLauncher final : public IProcessLauncher {
public:
    bool Start(const std::u16string& commandLine) override;
};

class Win32Clock final : public IClock {
public:
    DateTime LocalNow() override;
    void SleepMilliseconds(unsigned milliseconds) override;
    std::int64_t ToSeconds(const DateTime& local) override;
    DateTime ToLocal(std::int64_t seconds) override;
};

class Win32CodePage final : public ICodePage {
public:
    std::string ToAnsi(std::u16string_view text) override;
    std::u16string FromAnsi(std::string_view bytes) override;
};

class Win32ProcessInfo final : public IProcessInfo {
public:
    std::u16string ExecutablePath() override;
};

class Win32FileSystem final : public IFileSystem {
public:
    bool Exists(const std::u16string& path) override;
    bool IsDirectory(const std::u16string& path) override;
    std::unique_ptr<IFile> Open(const std::u16string& path, FileOpenMode mode) override;
    bool MakeDirectory(const std::u16string& path) override;
    bool Remove(const std::u16string& path) override;
    unsigned DriveType(const std::u16string& root) override;
};

class Win32ServiceManager final : public IServiceManager {
public:
    ServiceOpenResult OpenManager(std::uint32_t access) override;
    ServiceOpenResult Create(ServiceHandle manager, const ServiceDefinition& definition) override;
    ServiceOpenResult Open(ServiceHandle manager, const std::u16string& name, std::uint32_t access) override;
    std::uint32_t Start(ServiceHandle service) override;
    std::uint32_t Stop(ServiceHandle service) override;
    std::uint32_t Delete(ServiceHandle service) override;
    std::optional<std::uint32_t> QueryStartType(ServiceHandle service) override;
    void Close(ServiceHandle handle) override;
};

class Win32DeviceIo final : public IDeviceIo {
public:
    DeviceHandle Open(const std::u16string& path, std::uint32_t access, std::uint32_t shareMode) override;
    bool Control(DeviceHandle device, std::uint32_t code, std::span<const std::uint8_t> input,
                 std::span<std::uint8_t> output, std::uint32_t& bytesReturned) override;
    void Close(DeviceHandle device) override;
};

class Win32ProcessExit final : public IProcessExit {
public:
    void Exit(unsigned exitCode) override;
};

// Owns one of each and hands them out as the logic's Platform.
class Win32Platform {
public:
    Platform& Get() { return platform_; }

private:
    Win32Registry registry_;
    Win32SystemVersion systemVersion_;
    Win32NamedMutexes mutexes_;
    Win32Windows windows_;
    Win32MessageBox messageBox_;
    Win32ProcessLauncher launcher_;
    Win32Clock clock_;
    Win32CodePage codePage_;
    Win32ProcessInfo processInfo_;
    Win32FileSystem fileSystem_;
    Win32ServiceManager services_;
    Win32DeviceIo devices_;
    Win32ProcessExit processExit_;
    Platform platform_{registry_,  systemVersion_, mutexes_, windows_, messageBox_, launcher_, clock_,
                       codePage_, processInfo_, fileSystem_, services_, devices_, processExit_};
};

}  // namespace veltra
