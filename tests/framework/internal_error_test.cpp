// The barrier at the edge of message handling: a handler that throws ends its
// message, not the program; the user is told once and the log keeps the details.
#include "test_windows.h"

#include "framework/internal_error.h"
#include "framework/scripted_interaction.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vesk {
namespace {

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class InternalErrors : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetInternalErrorLog(folder.Path() + "errors.log");
        test::CreateHost(host);
    }
    void TearDown() override
    {
        // A box still pending must reach this script, not a real dialog of a later test.
        test::Pump();
        SetInternalErrorLog({});
    }

    test::TempFolder folder;
    ScriptedInteraction script;
    CWnd host;
};

TEST_F(InternalErrors, AThrowingHandlerEndsItsMessageAndTheUserIsToldOnce)
{
    int handled = 0;
    host.HandleMessage(WM_USER + 1, [&](WPARAM, LPARAM) -> LRESULT {
        ++handled;
        throw std::out_of_range("vector::at: 7 >= 7");
    });
    EXPECT_EQ(host.SendMessage(WM_USER + 1), 0);
    // A second failure before the box was shown adds to the log only.
    EXPECT_EQ(host.SendMessage(WM_USER + 1), 0);
    EXPECT_EQ(handled, 2);
    EXPECT_TRUE(script.MessageBoxes().empty()); // not inside the failed handler
    test::Pump();
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].text.rfind("程序内部错误：vector::at: 7 >= 7", 0), 0u);

    const std::string log = ReadAll(folder.Path() + "errors.log");
    EXPECT_NE(log.find("vector::at: 7 >= 7"), std::string::npos);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2);

    // Once the box is closed, the next failure is shown again.
    host.SendMessage(WM_USER + 1);
    test::Pump();
    EXPECT_EQ(script.MessageBoxes().size(), 2u);
}

TEST_F(InternalErrors, PostedMessagesAndOutOfMemoryAreCaughtToo)
{
    host.HandleMessage(WM_USER + 2, [](WPARAM, LPARAM) -> LRESULT { throw std::bad_alloc(); });
    host.PostMessage(WM_USER + 2);
    test::Pump();
    test::Pump();
    ASSERT_EQ(script.MessageBoxes().size(), 1u);
    EXPECT_EQ(script.MessageBoxes()[0].text.rfind("程序内部错误：内存不足", 0), 0u);
}

TEST_F(InternalErrors, TheWindowStillWorksAfterAFailure)
{
    bool fail = true;
    host.HandleMessage(WM_USER + 3, [&](WPARAM, LPARAM) -> LRESULT {
        if (fail)
            throw std::runtime_error("once");
        return 42;
    });
    host.SendMessage(WM_USER + 3);
    fail = false;
    EXPECT_EQ(host.SendMessage(WM_USER + 3), 42);
    EXPECT_FALSE(CWnd::GetCurrentMessage()); // the message stack was unwound
}

} // namespace
} // namespace vesk
