#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "startup/single_instance.h"

namespace veltra {
namespace {

using Shown = std::pair<std::u16string, std::u16string>;
using ::testing::ElementsAre;

// A copy that loses the create race (the other made the mutex between our open and our
// create), and a mutex that cannot be created at all.
TEST(SingleInstance, ALostRaceAndAFailedCreateEndTheStartWithTheirMessages) {
    for (const auto& [failCreate, message] : {std::pair{false, u"Veltra 5 is already running."},
                                              std::pair{true, u"Veltra 5 mutex can not be created."}}) {
        auto table = std::make_shared<fakes::MutexTable>();
        table->names.insert(u"Veltra 5");
        table->hideFromOpen = true;
        table->failCreate = failCreate;
        fakes::FakeNamedMutexes mutexes(table);
        fakes::FakeMessageBox box;
        EXPECT_FALSE(AcquireSingleInstance(mutexes, box));
        EXPECT_THAT(box.shown, ElementsAre(Shown{message, u"Veltra 5"}));
    }
}

}  // namespace
}  // namespace veltra
