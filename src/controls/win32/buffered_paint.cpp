#include "controls/win32/buffered_paint.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

#include "controls/win32/gdi.h"
#include "core/guarded_callback.h"

namespace veltra {
namespace {

constexpr UINT kInPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;

// One canvas per depth of the tree, reused by every child at that depth: each child draws
// at the canvas's origin, as in its own window (the system's controls clip their drawing
// to their client rectangle in device units), and its rectangle is copied to its parent.
// Making a canvas costs Wine more than most controls' drawing.
class Scratch {
public:
    HDC At(std::size_t depth, HDC like, int width, int height) {
        if (levels_.size() <= depth) levels_.resize(depth + 1);
        Level& level = levels_[depth];
        if (level.canvas == nullptr || level.width < width || level.height < height) {
            level.width = std::max(level.width, width);
            level.height = std::max(level.height, height);
            level.canvas = std::make_unique<MemoryCanvas>(like, level.width, level.height);
        }
        return level.canvas->Dc();
    }

private:
    struct Level {
        std::unique_ptr<MemoryCanvas> canvas;
        int width = 0;
        int height = 0;
    };
    std::vector<Level> levels_;
};

bool HasFrame(HWND window, const RECT& place) {
    RECT client{};
    GetClientRect(window, &client);
    return client.right != place.right - place.left || client.bottom != place.bottom - place.top;
}

// Wine's scroll bar draws nothing when asked to print itself: it must paint itself too, or
// a page would show without its list's scroll bar until the mouse passes over it.
bool PaintsItself(HWND window, const RECT& place) {
    wchar_t kind[16] = L"";
    return HasFrame(window, place) || (GetClassNameW(window, kind, 16) == 9 && lstrcmpiW(kind, L"ScrollBar") == 0);
}

bool IsTransparent(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }

// Every window below `root`, each parent's children in z-order, from one enumeration:
// under Wine each step of a GetWindow walk is a request to its server.
using ChildLists = std::unordered_map<HWND, std::vector<HWND>>;

BOOL CALLBACK AddToItsParentsList(HWND child, LPARAM lists) {
    const auto answer = [&]() -> BOOL {
        (*reinterpret_cast<ChildLists*>(lists))[GetParent(child)].push_back(child);
        return TRUE;
    };
    return AnswerOrDefault("the child window walk", answer, [&]() -> BOOL { return TRUE; });
}

bool AllStillThere(const ChildLists& lists) {
    for (const auto& [parent, children] : lists)
        for (HWND child : children)
            if (!IsWindow(child) || GetParent(child) != parent) return false;
    return true;
}

// Listed once per tree: the enumeration asks Wine's server once for each window below the
// root, while a page's windows are all made in its set-up. Listed anew when one of them is
// gone or has moved.
const ChildLists& ChildListsBelow(HWND root) {
    thread_local std::unordered_map<HWND, ChildLists> listed;
    auto found = listed.find(root);
    if (found == listed.end() || !AllStillThere(found->second)) {
        ChildLists lists;
        EnumChildWindows(root, AddToItsParentsList, reinterpret_cast<LPARAM>(&lists));
        found = listed.insert_or_assign(root, std::move(lists)).first;
    }
    return found->second;
}

// The visible children in the order Wine paints siblings: the top of the z-order first,
// but a transparent one after every opaque one (where they overlap, as the controls have
// no WS_CLIPSIBLINGS, the one drawn later covers the other).
std::vector<HWND> VisibleChildrenInPaintOrder(HWND window, const ChildLists& lists) {
    std::vector<HWND> children;
    if (const auto found = lists.find(window); found != lists.end())
        for (HWND child : found->second)
            if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0) children.push_back(child);
    std::stable_partition(children.begin(), children.end(), [](HWND child) { return !IsTransparent(child); });
    return children;
}

// What one print of a tree needs throughout: its windows, its canvases, its framed windows.
struct PrintJob {
    const ChildLists& children;
    Scratch scratch;
    std::vector<HWND> framed;
};

// Paints the client area of `window` and those of its visible descendants into `dc`, a
// memory context in the window's client coordinates. A descendant with a frame is left
// out, with its own descendants, and added to `framed`.
void PrintLevel(HWND window, HDC dc, std::size_t depth, PrintJob& job) {
    SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    for (HWND child : VisibleChildrenInPaintOrder(window, job.children)) {
        RECT place{};
        GetWindowRect(child, &place);
        if (PaintsItself(child, place)) {
            job.framed.push_back(child);
            continue;
        }
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        const int width = place.right - place.left, height = place.bottom - place.top;
        HDC canvas = job.scratch.At(depth, dc, width, height);
        // What lies under the child on the screen, for a control that leaves pixels alone.
        BitBlt(canvas, 0, 0, width, height, dc, place.left, place.top, SRCCOPY);
        const int saved = SaveDC(canvas);
        PrintLevel(child, canvas, depth + 1, job);
        RestoreDC(canvas, saved);
        BitBlt(dc, place.left, place.top, width, height, canvas, 0, 0, SRCCOPY);
    }
}

void PrintWindowTree(HWND window, HDC dc, std::vector<HWND>& framed) {
    PrintJob job{ChildListsBelow(window), {}, {}};
    PrintLevel(window, dc, 0, job);
    framed = std::move(job.framed);
}

}  // namespace

void HideUnpainted(HWND window) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kInPlace | SWP_HIDEWINDOW);
    HWND focus = GetFocus();
    if (focus != nullptr && (focus == window || IsChild(window, focus))) SetFocus(GetParent(window));
}

void ShowPainted(HWND window) {
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kInPlace | SWP_SHOWWINDOW);
    // Valid before the painting, so whatever the painting itself invalidates is still painted.
    RedrawWindow(window, nullptr, nullptr, RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_ALLCHILDREN);
    RECT client{};
    GetClientRect(window, &client);
    std::vector<HWND> framed;
    HDC screen = GetDC(window);
    {
        MemoryCanvas canvas(screen, client.right, client.bottom);
        PrintWindowTree(window, canvas.Dc(), framed);
        canvas.CopyTo(screen, 0, 0);
    }
    ReleaseDC(window, screen);
    // Frames and scroll bars are not printed: such a control paints itself, as usual.
    for (HWND child : framed)
        RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

}  // namespace veltra
