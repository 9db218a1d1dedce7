#include "core/categories.h"

namespace veltra {

std::u16string CategoryName(int code) {
    switch (code) {
        case kCategoryMbDriver: return u"MB Driver";
        case kCategoryMbBios: return u"MB BIOS";
        case kCategoryVgaDriver: return u"VGA Driver";
        case kCategoryVgaBios: return u"VGA BIOS";
        case kCategoryMakerUtility: return u"norva Utility";
        case kCategoryOtherUtility: return u"Other Utility";
        default: return u"";
    }
}

}  // namespace veltra
