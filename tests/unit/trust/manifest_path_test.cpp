#include <gtest/gtest.h>

#include "trust/manifest_path.h"

namespace veltra {
namespace {

TEST(ManifestPath, TakesWhatFollowsTheBaseWhenItIsAManifestPath) {
    const std::u16string base = u"http://127.0.0.1:8080/srv";
    const std::pair<std::u16string, std::optional<std::string>> rows[] = {
        {base + u"/DataBase/VT5/VDList.xml", "DataBase/VT5/VDList.xml"}, {base + u"/set up.exe", "set up.exe"},
        {base + u"/Gr\u00FC\u00DFe", "Gr\xC3\xBC\xC3\x9F" "e"}, {base + u"/a%20b", "a%20b"},
        {base + u"/a\uFFFD", "a\xEF\xBF\xBD"}, {base, std::nullopt}, {base + u"/", std::nullopt},
        {base + u"x/a", std::nullopt}, {u"http://127.0.0.1:8080/SRV/a", std::nullopt},
        {u"http://127.0.0.1:8080/a", std::nullopt}, {base + u"/a?b", std::nullopt}, {base + u"/a#b", std::nullopt},
        {base + u"/a/../b", std::nullopt}, {base + u"//a", std::nullopt}, {base + u"/a\\b", std::nullopt},
        {base + u"/a" + std::u16string(1, char16_t(0xD800)), std::nullopt},
    };
    for (const auto& [url, path] : rows) {
        EXPECT_EQ(ManifestPath(url, base), path) << std::string(url.begin(), url.end());
    }
}

}  // namespace
}  // namespace veltra
