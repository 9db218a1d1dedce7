#pragma once
#include <string>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/label.h"
#include "controls/win32/skin_button.h"

namespace veltra {

// The program's own OK/Cancel box, shown modally in the middle of the screen.
// Mode 0 confirms leaving the program; mode 1 shows the download folder with a Browse button;
// mode 2 tells of a problem, with OK alone.
class CMSG : public CBitmapDialog {
public:
    enum Mode { kLeaveConfirmation = 0, kDownloadFolder = 1, kProblem = 2 };

    // workPath ends with a backslash; downloadFolder is shown in mode 1, the problem in mode 2.
    CMSG(int mode, std::wstring workPath, std::wstring downloadFolder = {});
    // Mode 1: the folder shown, changed by Browse.
    const std::wstring& DownloadFolder() const { return downloadFolder_; }

protected:
    BOOL OnInitDialog() override;
    void OnCommand(int id, int code, HWND control) override;

private:
    void BrowseForFolder();

    int mode_;
    std::wstring workPath_;
    std::wstring downloadFolder_;
    CLabel text_;
    CxSkinButton ok_, cancel_, browse_;
};

}  // namespace veltra
