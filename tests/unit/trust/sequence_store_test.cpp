#include <gtest/gtest.h>

#include "fakes/fake_registry.h"
#include "trust/base64.h"
#include "trust/sequence_store.h"

namespace veltra {
namespace {

const std::u16string kKey = u"SOFTWARE\\Norva\\Veltra Series";

TEST(SequenceStore, KeepsOneNumberPerFolderThatNeverGoesDown) {
    fakes::FakeRegistry registry;
    EXPECT_EQ(LastAcceptedSequence(registry, ServerFolder::DataBase), 0u);
    EXPECT_TRUE(RememberAcceptedSequence(registry, ServerFolder::DataBase, 18446744073709551615u));
    EXPECT_TRUE(RememberAcceptedSequence(registry, ServerFolder::DQATest, 7));
    EXPECT_TRUE(RememberAcceptedSequence(registry, ServerFolder::DQATest, 6));
    EXPECT_EQ(registry.ReadString(RegistryRoot::LocalMachine, kKey, u"ManifestSequence", 64), u"18446744073709551615");
    EXPECT_EQ(registry.ReadString(RegistryRoot::LocalMachine, kKey, u"ManifestSequenceDQA", 64), u"7");
    EXPECT_EQ(LastAcceptedSequence(registry, ServerFolder::DQATest), 7u);
    for (const char16_t* garbage : {u"", u"-1", u"12x", u"18446744073709551616", u" 5"}) {
        registry.SetHklm(kKey, u"ManifestSequence", garbage);
        EXPECT_EQ(LastAcceptedSequence(registry, ServerFolder::DataBase), 0u);
    }
}

TEST(Base64, DecodesStrictly) {
    EXPECT_EQ(DecodeBase64("TWFu+/+/TQ=="), (std::vector<std::uint8_t>{'M', 'a', 'n', 0xFB, 0xFF, 0xBF, 'M'}));
    EXPECT_EQ(DecodeBase64("TWE="), (std::vector<std::uint8_t>{'M', 'a'}));
    for (const char* bad : {"TWF", "TR==", "TWF=", "T===", "TW=u", "TW u", "TWFu\n", "====", "TWFu===="}) {
        EXPECT_TRUE(DecodeBase64(bad).empty()) << bad;
    }
}

}  // namespace
}  // namespace veltra
