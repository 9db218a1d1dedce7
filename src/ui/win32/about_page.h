#pragma once
#include <array>
#include <string>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/label.h"
#include "controls/win32/skin_button.h"

namespace veltra {

// The link shows where the program gets its updates; the support site is a build setting.
struct AboutLinks {
    std::wstring mainSite;
    std::wstring supportSite;
};
AboutLinks AboutLinksFor(const std::wstring& updateServer);

// The About page: product, version, notice, the main site as a link and a support button.
class CPAGE_ABOUT final : public CBitmapDialog {
public:
    CPAGE_ABOUT(std::wstring workPath, std::wstring appVersion, AboutLinks links);

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int code, HWND control) override;
    void OnCancel() override {}

private:
    std::wstring workPath_;
    std::wstring appVersion_;
    AboutLinks links_;
    std::array<CLabel, 6> labels_;
    CxSkinButton support_;
};

}  // namespace veltra
