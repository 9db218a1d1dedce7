#pragma once
#include <array>
#include <string>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/label.h"

namespace veltra {

// The Setting page's window: its captions over its background. The reminder choosers and
// their clock are not part of the program yet, so their buttons stay hidden.
class CPAGE_SETTING final : public CBitmapDialog {
public:
    explicit CPAGE_SETTING(std::wstring workPath);

protected:
    BOOL OnInitDialog() override;
    void OnCancel() override {}

private:
    std::wstring workPath_;
    std::array<CLabel, 5> labels_;
};

}  // namespace veltra
