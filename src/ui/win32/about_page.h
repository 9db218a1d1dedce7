#pragma once
#include <array>
#include <string>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/label.h"
#include "controls/win32/skin_button.h"

namespace veltra {

// The maker's web sites, build settings like the update server.
struct AboutLinks {
    std::wstring mainSite;
    std::wstring supportSite;
};
AboutLinks BuiltInAboutLinks();

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
