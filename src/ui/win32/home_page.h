#pragma once
#include <array>
#include <string>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/label.h"

namespace veltra {

struct VT5Record;

// The Home page: what start-up learnt about the computer, the last scan and the number
// of updates found.
class CPAGE_HOME final : public CBitmapDialog {
public:
    CPAGE_HOME(const VT5Record& vt5, std::u16string lastScan);
    void ShowLastScan(const std::u16string& text);
    void ShowUpdateCount(const std::u16string& count);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override {}

private:
    const VT5Record& vt5_;
    std::u16string lastScan_;
    std::array<CLabel, 8> captions_;
    std::array<CLabel, 8> values_;  // row 1 has none
};

}  // namespace veltra
