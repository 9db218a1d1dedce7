#include <gtest/gtest.h>

#include "core/vt5_record.h"
#include "cli/identify_report.h"
#include "sysinfo/vga_info.h"

namespace veltra {
namespace {

VT5Record IdentifiedPc() {
    VT5Record vt5;
    vt5.sWorkPath = u"C:\\V\\";
    vt5.sLibVersion = u"1.0.008";
    vt5.nOS = 4096;
    vt5.sOSName = u"Windows 7 64Bit";
    vt5.sOSCode = u"W764";
    vt5.cMB_Model = u"QB-1234E";
    vt5.cMB_BIOS_Version = u"1.92";
    vt5.cMB_BIOS_Vendor = u"Norva \"BIOS\"";
    vt5.sHomeModel = u"QB-1234E";
    vt5.sHomeBIOSVersion = u"1.92";
    vt5.saPciIds = {u"VEN_10DE&DEV_0640", u"VEN_8086&DEV_3A30"};
    vt5.pVGA = std::make_shared<VGAInfo>();
    vt5.pVGA->sVendor = u"NVIDIA";
    vt5.pVGA->sBIOSVersion = u"62.94.12.00.00";
    vt5.pVGA->sBIOSText = u"QB-7700";
    vt5.pVGA->sModelNo = u"7700-1GI";
    vt5.pVGA->sDriverVersion = u"8.15.10.1930";
    vt5.pVGA->sProcessor = u"QX 700";
    vt5.pVGA->sCardName = u"Norva QB-7700 \u00E9";
    vt5.pVGA->nDeviceID = 0x640;
    return vt5;
}

TEST(IdentifyReport, LinesForEveryIdentificationField) {
    EXPECT_EQ(IdentifyLines(IdentifiedPc(), true),
              "VT5.sWorkPath=C:\\V\\\n"
              "VT5.sInstallDir=\n"
              "VT5.sAppVersion=\n"
              "VT5.sLibVersion=1.0.008\n"
              "VT5.nOS=4096\n"
              "VT5.sOSName=Windows 7 64Bit\n"
              "VT5.sOSCode=W764\n"
              "VT5.cMB_Model=QB-1234E\n"
              "VT5.cMB_BIOS_Version=1.92\n"
              "VT5.cMB_BIOS_Vendor=Norva \"BIOS\"\n"
              "VT5.sHomeModel=QB-1234E\n"
              "VT5.sHomeBIOSVersion=1.92\n"
              "VT5.saPciIds=VEN_10DE&DEV_0640\n"
              "VT5.saPciIds=VEN_8086&DEV_3A30\n"
              "VT5.pVGA.sVendor=NVIDIA\n"
              "VT5.pVGA.sBIOSVersion=62.94.12.00.00\n"
              "VT5.pVGA.sBIOSText=QB-7700\n"
              "VT5.pVGA.sModelNo=7700-1GI\n"
              "VT5.pVGA.sDriverVersion=8.15.10.1930\n"
              "VT5.pVGA.sProcessor=QX 700\n"
              "VT5.pVGA.sCardName=Norva QB-7700 \xC3\xA9\n"
              "VT5.pVGA.nDeviceID=1600\n"
              "DMI.BiosMajorRelease4=1\n");
}

TEST(IdentifyReport, JsonWithThePciIdsAsAnArrayAndTheCardAsAnObject) {
    EXPECT_EQ(IdentifyJson(IdentifiedPc(), false).Serialize(),
              "{\"VT5\":{\"sWorkPath\":\"C:\\\\V\\\\\",\"sInstallDir\":\"\",\"sAppVersion\":\"\","
              "\"sLibVersion\":\"1.0.008\",\"nOS\":4096,\"sOSName\":\"Windows 7 64Bit\",\"sOSCode\":\"W764\","
              "\"cMB_Model\":\"QB-1234E\",\"cMB_BIOS_Version\":\"1.92\",\"cMB_BIOS_Vendor\":\"Norva \\\"BIOS\\\"\","
              "\"sHomeModel\":\"QB-1234E\",\"sHomeBIOSVersion\":\"1.92\","
              "\"saPciIds\":[\"VEN_10DE&DEV_0640\",\"VEN_8086&DEV_3A30\"],"
              "\"pVGA\":{\"sVendor\":\"NVIDIA\",\"sBIOSVersion\":\"62.94.12.00.00\",\"sBIOSText\":\"QB-7700\","
              "\"sModelNo\":\"7700-1GI\",\"sDriverVersion\":\"8.15.10.1930\",\"sProcessor\":\"QX 700\","
              "\"sCardName\":\"Norva QB-7700 \xC3\xA9\",\"nDeviceID\":1600}},"
              "\"dmiBiosMajorRelease4\":false}");
}

}  // namespace
}  // namespace veltra
