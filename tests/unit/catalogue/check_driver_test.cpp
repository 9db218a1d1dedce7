#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/check_driver.h"
#include "core/text.h"
#include "catalogue_fixture.h"
#include "fakes/recording_debug_sink.h"

namespace veltra::testing {
namespace {

using ::testing::ElementsAreArray;

// Log lines without their numbers, which the test checks once for the whole run.
std::vector<std::u16string> Texts(const std::vector<std::u16string>& lines) {
    std::vector<std::u16string> texts;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].substr(0, 8), DecimalText(static_cast<long long>(i), 4) + u" :  ");
        texts.push_back(lines[i].substr(8));
    }
    return texts;
}

TEST(CheckDriver, FullPhaseRunsTheChecksInOrderWithTheirLogLines) {
    CheckFixture f;
    f.vt5.saPciIds = {u"VEN_1E7B&DEV_5A68"};
    f.vt5.pVGA->nDeviceID = 0x0E9D;
    f.AddCatalogue(u"BIOSList.xml", "<QB-7100><Version>1.5</Version><VerRangeMin>None</VerRangeMin>"
                                    "<VerRangeMax>None</VerRangeMax><MarkName>m</MarkName>");
    f.AddCatalogue(u"DRVList.rec", DriverBytes("LAN", "ALL", "2.6", "Lan"));
    f.AddCatalogue(u"VIDDID.rec", VidDidBytes("R", "LAN", "VEN_1E7B&DEV_5A68"));
    f.AddCatalogue(u"VT5_LOU.xml", "<UTL><Item>Zip</Item><OS>ALL</OS><Description>z</Description>");
    fakes::ScopedDebugCapture log;
    Check_Download_Information(f.context, f.checkList, 127);
    const std::u16string dlInfo = u"C:\\Veltra\\VT5\\DL_INFO\\";
    const std::u16string checkList = u"C:\\Veltra\\VT5\\LOG\\CheckList.rec";
    const std::u16string rule = u"=========================================";
    const std::vector<std::u16string> expected = {
        u"run... Check_Download_Information()", u"Create : " + checkList, u"Create successfully !! " + checkList,
        u"iItem = 1 , " + dlInfo + u"BIOSList.xml", u"BIOSList.xml Open sucessful", u"msg   Do Check_LB()~~",
        u"Run Check_LB()", u".... End Check_LB",
        u"iItem = 0 , " + dlInfo + u"DRVList.rec", u"msg   Do Check_LD()~~", u"Run Check_LD()....1",
        u"iVIDDID_cnt = 1\n\tiTotalPCI = 1", u"", rule, u"Type   = MB Driver", u"Item  = Lan", u"Curr Ver.   = Unknown",
        u"Online Ver. = 2.6", u"Information = Unknown", u"WebPath     = /drv/x.exe", u"iResult = 1",
        u"iItem = 2 , " + dlInfo + u"VDList.xml", u"err VDList.xml File not found",
        u"iItem = 3 , " + dlInfo + u"VBList.xml", u"err VBList.xml File not found",
        u"iItem = 4 , " + dlInfo + u"VT5_LMU.xml", u"err VT5_LMU.xml File not found",
        u"iItem = 5 , " + dlInfo + u"VT5_LOU.xml", u"msg   Do Check_LOU()~~", u"", rule, u"Type   = Other Utility",
        u"Item  = Zip", u"Curr Ver.   = Unknown", u"Online Ver. = ", u"Information = z", u"WebPath     = ",
        u"Load history...", u"Load successfully : " + checkList,
    };
    EXPECT_THAT(Texts(log.Lines()), ElementsAreArray(expected));
    ASSERT_EQ(f.Records().size(), 3u);
    EXPECT_EQ(f.Records()[0].type, "MB BIOS");
    EXPECT_EQ(f.Records()[1].index, 2);
    EXPECT_EQ(f.checkList.list.count, 3);
    EXPECT_EQ(f.vt5.sUpdateCount, u"3");
    EXPECT_EQ(f.checkList.list.rows[2][2], u"Zip");
}

}  // namespace
}  // namespace veltra::testing
