#pragma once
#include <functional>
#include <string_view>

namespace veltra {

// The rows an update or History list shows at once.
inline constexpr int kVisibleRows = 6;

class IListView;
struct ScrollState;

// A scroll-bar code on a six-row list view: the bar follows the new top row, the rows
// from it are shown, then the line is logged.
void ScrollListView(ScrollState& state, int code, int position, std::u16string_view name, IListView& view,
                    const std::function<void(int first)>& showRows);

}  // namespace veltra
