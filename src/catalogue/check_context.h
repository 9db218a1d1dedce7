#pragma once
#include <string>
#include <string_view>

#include "catalogue/catalogue_files.h"
#include "catalogue/check_record.h"

namespace veltra {

class ICodePage;
class IFileSystem;
struct VT5Record;

// What the checks read of the machine beyond the VT5 record.
struct CheckInputs {
    bool dqaTest = false;               // the "Veltra DQA TEST" mode
    bool dmiBiosMajorRelease4 = false;  // the DMI test of the board identification
};

// Installed versions of drivers and tools: the registry of this machine, or a saved identity.
class IInstalledVersions {
public:
    virtual ~IInstalledVersions() = default;
    // The version of a driver or tool named in 8-bit text; empty when none is found.
    virtual std::u16string GetInstalledVersion(std::string_view ansiName) = 0;
    // The installed NVIDIA display driver version; empty when none is found.
    virtual std::u16string NvidiaDriverVersion() = 0;
};

// The texts a check fills in a result; the rest of the record is the writer's.
struct ResultTexts {
    int code = 0;
    std::u16string item;
    std::u16string currentVersion;
    std::u16string onlineVersion;
    std::u16string description;
    std::u16string size;
    std::u16string webPath;
};

// Appends numbered results to the open "CheckList.rec"; with no file open the results are
// still numbered but not kept.
class CheckResultWriter {
public:
    CheckResultWriter(VT5Record& vt5, ICodePage& codePage) : vt5_(vt5), codePage_(codePage) {}
    void SetFile(IFile* file) { file_ = file; }
    CheckRecord Write(const ResultTexts& texts);

private:
    VT5Record& vt5_;
    ICodePage& codePage_;
    IFile* file_ = nullptr;
};

struct CheckContext {
    VT5Record& vt5;
    CheckInputs inputs;
    IInstalledVersions& installed;
    IFileSystem& fileSystem;
    ICodePage& codePage;
    CatalogueFileSet& dbf;
    CheckResultWriter& writer;
};

// The debug lines that show a result just written.
void LogCheckRecord(const CheckRecord& record, ICodePage& codePage);

}  // namespace veltra
