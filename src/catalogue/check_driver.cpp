#include "catalogue/check_driver.h"

#include <array>

#include "core/debug_log.h"
#include "core/record_file.h"
#include "core/vt5_record.h"
#include "catalogue/check_context.h"
#include "catalogue/checks.h"
#include "catalogue/result_list.h"

namespace veltra {
namespace {

struct CheckStep {
    int index;  // catalogue index of OpenCatalogueFile
    const char16_t* logLine;
    void (*run)(CheckContext&);
};

void RunCheckLD(CheckContext& context) { Check_LD(context); }

constexpr std::array<CheckStep, 6> kCheckOrder = {{
    {1, u"msg   Do Check_LB()~~", Check_LB},
    {0, u"msg   Do Check_LD()~~", RunCheckLD},
    {2, u"msg   Do Check_LVD()~~", Check_LVD},
    {3, u"msg   Do Check_LVB()~~", Check_LVB},
    {4, u"msg   Do Check_LMU()~~", Check_LMU},
    {5, u"msg   Do Check_LOU()~~", Check_LOU},
}};

void RunSelectedChecks(CheckContext& context, int selectMask) {
    for (const CheckStep& step : kCheckOrder) {
        const CatalogueFileInfo& catalogue = kCatalogueFiles[static_cast<std::size_t>(step.index)];
        if ((selectMask & catalogue.code) == 0) continue;
        if (OpenCatalogueFile(context.fileSystem, context.vt5.sWorkPath, context.dbf, step.index) == 1) {
            DebugLog(step.logLine);
            step.run(context);
        } else {
            DebugLog(std::u16string(u"err ") + catalogue.name + u" File not found");
        }
    }
}

}  // namespace

void Check_Download_Information(CheckContext& context, CheckListState& checkList, int selectMask) {
    DebugLog(u"run... Check_Download_Information()");
    const std::u16string path = CheckListPath(context.vt5.sWorkPath);
    checkList.file.reset();
    OpenRecordFile(context.fileSystem, path, checkList.file, 1, 1);
    checkList.failure = checkList.file ? u"" : RecordOpenFailure(context.fileSystem, path, 1);
    context.writer.SetFile(checkList.file.get());
    RunSelectedChecks(context, selectMask);
    context.writer.SetFile(nullptr);
    checkList.file.reset();
    OpenRecordFile(context.fileSystem, path, checkList.file, 0, 3);
    LoadCheckList(checkList, context.codePage, context.vt5);
}

}  // namespace veltra
