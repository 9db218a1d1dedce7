#pragma once

namespace veltra {

struct CheckContext;
struct CheckListState;

// Rewrites "CheckList.rec" with the checks of the selected categories (category bits; an
// automatic scan selects 127), in the order MB BIOS, MB Driver, VGA Driver, VGA BIOS,
// norva Utility, Other Utility, then loads the rows.
void Check_Download_Information(CheckContext& context, CheckListState& checkList, int selectMask);

}  // namespace veltra
