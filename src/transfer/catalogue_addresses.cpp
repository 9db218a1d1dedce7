#include "transfer/catalogue_addresses.h"

namespace veltra {

const std::array<CatalogueStep, 7>& CatalogueSteps() {
    static constexpr std::array<CatalogueStep, 7> kSteps = {{
        {1, u"DRVList.rec", u"1....download MB driver information now ..."},
        {64, u"VIDDID.rec", u"2....download VIDDID information now ..."},
        {2, u"BIOSList.xml", u"3....download MB BIOS information now ..."},
        {4, u"VDList.xml", u"4....download VGA driver information now ..."},
        {8, u"VBList.xml", u"5....download VGA BIOS information now ..."},
        {16, u"VT5_LMU.xml", u"6....download norva utility information now ..."},
        {32, u"VT5_LOU.xml", u"7....download other utility information now ..."},
    }};
    return kSteps;
}

std::u16string CataloguePath(const CatalogueStep& step, bool dqaTest) {
    const std::u16string folder = dqaTest ? u"/DQATest/" : u"/DataBase/";
    return folder + (step.code == 2 ? u"" : u"VT5/") + step.file;
}

}  // namespace veltra
