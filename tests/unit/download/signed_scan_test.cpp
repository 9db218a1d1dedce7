#include <gtest/gtest.h>

#include "../catalogue/catalogue_fixture.h"
#include "platform/openssl/openssl_crypto.h"
#include "update_page_fixture.h"

namespace veltra::testing {
namespace {

constexpr char16_t kList[] = u"C:\\W\\VT5\\DL_INFO\\VDList.xml";
const std::vector<unsigned char> kEarlier = {'e', 'a', 'r', 'l', 'i', 'e', 'r'};

std::vector<unsigned char> Signature(const std::string& name) {
    return SourceFile("tests/fixtures/signatures/" + name);
}

std::vector<unsigned char> Text(const std::string& text) { return {text.begin(), text.end()}; }

// The update page with the demo key pinned, over the model platform and server.
struct TrustedPage {
    TrustedPage() { f.transfers.crypto = &crypto; }
    UpdatePageFixture f;
    OpenSslCrypto crypto;
    UpdateTrust trust{Signature("demo-public.der"), crypto, f.fake.registry, f.fake.fileSystem, f.fake.clock};
    UpdatePage page{{*f.context, f.checkList, f.transfers, f.fake.messageBox, f.fake.clock, f.starter, f.history,
                     f.lastScan, kServer, BuildTransferLimits(), &trust},
                    f.view};
};

// A manual scan of one category against a server whose list the demo key signs (the
// signature fixtures list DataBase/VT5/VDList.xml as "hello world\n").
struct SignedScanRow {
    const char* what;
    const char* signature;
    std::string catalogue;
    int box;
    std::vector<std::u16string> fetched;  // after the list and its signature
    std::vector<unsigned char> kept;
    std::u16string message;  // the start of what the user is told
};

TEST(SignedScan, UsesOnlyWhatTheSignedListVouchesFor) {
    const std::u16string vdList = std::u16string(kServer) + u"/DataBase/VT5/VDList.xml";
    const SignedScanRow rows[] = {
        {"as signed", "manifest.sig", "hello world\n", 2, {vdList}, Text("hello world\n"), u""},
        {"catalogue changed", "manifest.sig", "hello World\n", 2, {vdList}, kEarlier, u"The downloaded file is not"},
        {"other key", "manifest-other-key.sig", "hello world\n", 2, {}, kEarlier,
         u"The update server's file list is not signed by the maker."},
        {"not listed", "manifest.sig", "hello world\n", 3, {}, kEarlier,
         u"The file DataBase/VT5/VBList.xml from the update server is not in its signed file list."},
    };
    for (const SignedScanRow& row : rows) {
        TrustedPage t;
        UpdatePageFixture& f = t.f;
        UpdatePage& page = t.page;
        f.transfers.server[std::u16string(kServer) + u"/DataBase/manifest.txt"].body = Signature("manifest.txt");
        f.transfers.server[std::u16string(kServer) + u"/DataBase/manifest.sig"].body = Signature(row.signature);
        f.transfers.server[vdList].body = Text(row.catalogue);
        f.fake.fileSystem.AddFile(kList, kEarlier);
        page.SetManualScan();
        page.SetCategoryBox(row.box, true);
        page.On_Download_Info_File();
        f.RunTransfers();

        std::vector<std::u16string> fetched = {std::u16string(kServer) + u"/DataBase/manifest.txt",
                                               std::u16string(kServer) + u"/DataBase/manifest.sig"};
        fetched.insert(fetched.end(), row.fetched.begin(), row.fetched.end());
        EXPECT_EQ(f.transfers.startedUrls, fetched) << row.what;
        EXPECT_EQ(f.fake.fileSystem.Contents(kList), row.kept) << row.what;
        EXPECT_EQ(page.State(), PageState::List) << row.what;
        const auto& shown = f.fake.messageBox.stopShown;
        EXPECT_EQ(shown.empty(), row.message.empty()) << row.what;
        if (!shown.empty()) {
            EXPECT_TRUE(shown.front().first.starts_with(row.message)) << row.what;
        }
    }
}

// A download needs a list a scan accepted: before any, nothing is fetched or started.
TEST(SignedScan, ADownloadWaitsForAnAcceptedList) {
    TrustedPage t;
    UpdatePageFixture& f = t.f;
    UpdatePage& page = t.page;
    f.InitWithResults(1);
    page.Init();
    page.OnRowDownload(1);
    EXPECT_TRUE(f.transfers.startedUrls.empty());
    ASSERT_EQ(f.fake.messageBox.stopShown.size(), 1u);
    EXPECT_TRUE(f.fake.messageBox.stopShown[0].first.starts_with(u"Please scan for updates first"));
    EXPECT_EQ(page.State(), PageState::List);
}

}  // namespace
}  // namespace veltra::testing
