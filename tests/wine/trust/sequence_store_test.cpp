#include <gtest/gtest.h>

#include "platform/win32/win32_platform.h"
#include "support/test_window.h"
#include "trust/sequence_store.h"

namespace veltra {
namespace {

constexpr wchar_t kKey[] = L"SOFTWARE\\Norva\\Veltra Series\\";

// The real registry: a REG_SZ with its terminator, read back by the same store, and a key
// that does not exist yet is made by the write.
TEST(Win32Registry, TheSequenceStoreWritesADecimalRegSzThatReadsBack) {
    Win32Registry registry;
    winetest::ScopedRegistryValue kept(HKEY_LOCAL_MACHINE, kKey, L"ManifestSequenceDQA");
    kept.Remove();
    EXPECT_EQ(LastAcceptedSequence(registry, ServerFolder::DQATest), 0u);
    ASSERT_TRUE(RememberAcceptedSequence(registry, ServerFolder::DQATest, 18446744073709551615u));
    wchar_t data[64] = {};
    DWORD type = 0, size = sizeof data;
    ASSERT_EQ(RegGetValueW(HKEY_LOCAL_MACHINE, kKey, L"ManifestSequenceDQA", RRF_RT_ANY, &type, data, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 21 * sizeof(wchar_t));
    EXPECT_STREQ(data, L"18446744073709551615");
    EXPECT_EQ(LastAcceptedSequence(registry, ServerFolder::DQATest), 18446744073709551615u);

    EXPECT_TRUE(registry.WriteString(RegistryRoot::CurrentUser, u"Software\\VeltraTest\\New", u"Text", u"x"));
    EXPECT_EQ(registry.ReadString(RegistryRoot::CurrentUser, u"Software\\VeltraTest\\New", u"Text", 4), u"x");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VeltraTest");
}

}  // namespace
}  // namespace veltra
