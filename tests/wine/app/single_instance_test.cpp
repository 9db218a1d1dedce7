#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/child_process.h"
#include "support/program_machine.h"
#include "support/test_window.h"

namespace veltra {
namespace {

using namespace winetest;

// With the DQA switch window present, the copy that wins the mutex stops at its mode
// message and keeps the mutex while the other copy reaches the single-instance check.
TEST(SingleInstance, TwoRacingCopiesLeaveExactlyOneRefusal) {
    const ProgramMachine machine(L"demo-pc");
    TestWindow dqaSwitch(L"Veltra DQA TEST");
    const std::wstring program = machine.Program(L"veltra.exe");
    ChildProcess first(program);
    ChildProcess second(program);
    ASSERT_TRUE(first.Started() && second.Started());

    HWND winnerBox = nullptr, loserBox = nullptr;
    DWORD loserId = 0;
    const bool bothShown = PumpUntil(
        [&] {
            winnerBox = loserBox = nullptr;
            for (const ChildProcess* child : {&first, &second}) {
                for (HWND window : VisibleWindowsOf(child->Id())) {
                    const std::wstring title = WindowText(window);
                    if (title == L"DQA TEST ONLY") winnerBox = window;
                    if (title == L"Veltra 5") {
                        loserBox = window;
                        loserId = child->Id();
                    }
                }
            }
            return winnerBox != nullptr && loserBox != nullptr;
        },
        20000);
    ASSERT_TRUE(bothShown) << "expected the mode message of one copy and the refusal of the other";
    EXPECT_EQ(MessageBoxText(winnerBox), L"Veltra now is going into DQA TEST Mode");
    EXPECT_THAT(MessageBoxText(loserBox),
                ::testing::AnyOf(L"Veltra 5 already running.", L"Veltra 5 is already running."));
    EXPECT_EQ(VisibleWindowsOf(loserId).size(), 1u) << "the refused copy shows nothing but its message";

    DismissMessageBox(loserBox);
    ChildProcess& loser = first.Id() == loserId ? first : second;
    ChildProcess& winner = first.Id() == loserId ? second : first;
    EXPECT_EQ(loser.Wait(10000), 0u);
    DismissMessageBox(winnerBox);
    HWND main = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (main = VisibleMainWindowOf(winner.Id())) != nullptr; }, 30000));
    EndMainWindow(main);
    EXPECT_EQ(winner.Wait(10000), 0u);
}

}  // namespace
}  // namespace veltra
