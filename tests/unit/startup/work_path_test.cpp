#include <gtest/gtest.h>

#include "core/vt5_record.h"
#include "fakes/fake_platform.h"
#include "startup/work_path.h"

namespace veltra {
namespace {

TEST(WorkPath, AcceptsPathsUpTo255CharactersAndRefusesLongerOnes) {
    fakes::FakeProcessInfo process;
    VT5Record vt5;
    const std::u16string folder = u"C:\\" + std::u16string(240, u'd') + u"\\";  // 244 characters
    process.path = folder + std::u16string(255 - folder.size() - 4, u'e') + u".exe";
    ASSERT_EQ(process.path.size(), 255u);
    EXPECT_TRUE(ReadWorkPath(process, vt5));
    EXPECT_EQ(vt5.sWorkPath, folder);

    process.path = folder + std::u16string(8, u'e') + u".exe";
    ASSERT_EQ(process.path.size(), 256u);
    EXPECT_FALSE(ReadWorkPath(process, vt5));
    EXPECT_TRUE(vt5.sWorkPath.empty());
}

}  // namespace
}  // namespace veltra
