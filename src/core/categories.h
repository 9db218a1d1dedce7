#pragma once
#include <string>

namespace veltra {

// Update categories, one bit each; 64 marks the VIDDID table in a download mask.
enum CategoryCode : int {
    kCategoryMbDriver = 1,
    kCategoryMbBios = 2,
    kCategoryVgaDriver = 4,
    kCategoryVgaBios = 8,
    kCategoryMakerUtility = 16,
    kCategoryOtherUtility = 32,
    kCategoryVidDidTable = 64,
};

// Display name of a single category code; empty for anything else.
std::u16string CategoryName(int code);

}  // namespace veltra
