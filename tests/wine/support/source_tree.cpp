#include "support/source_tree.h"

#include <fstream>
#include <iterator>

namespace veltra::winetest {

std::wstring HostPath(const std::string& absolute) {
    std::wstring path = L"Z:";
    for (char c : absolute) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
    return path;
}

std::wstring SourcePath(const std::string& relative) { return HostPath(std::string(VELTRA_SOURCE_DIR) + "/" + relative); }

std::string ReadBytes(const std::wstring& path) {
    std::ifstream input(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

}  // namespace veltra::winetest
