// The two ends of the channel between a starting process and the running utility: what either
// reads from a message any program may send, where an answer may go, and the client's next step
// from what it finds of a running utility.
#include "utility/command/command_client_rules.h"
#include "utility/command/command_message.h"

#include <gtest/gtest.h>

namespace {

// The requests a sender controls are refused in the Wine test of the real main window; here the
// answer, whose results and errors travel apart.
TEST(CommandChannel, AnswersKeepResultsAndErrorsApart) {
    const std::string answer = EncodeCommandAnswer("1: mode 2\n", "2: refused\n");
    std::string text, errors;
    EXPECT_TRUE(
        ReadCommandAnswer({true, kCommandAnswerTag, answer.data(), answer.size()}, text, errors));
    EXPECT_EQ(text + "|" + errors, "1: mode 2\n|2: refused\n");
    EXPECT_FALSE(
        ReadCommandAnswer({true, kCommandRequestTag, answer.data(), answer.size()}, text, errors));
    EXPECT_FALSE(
        ReadCommandAnswer({true, kCommandAnswerTag, nullptr, kCommandAnswerMax + 1}, text, errors));
    EXPECT_FALSE(ReadCommandAnswer({}, text, errors));
}

TEST(CommandChannel, AnswersGoOnlyToAReplyWindowOfTheSender) {
    const struct {
        const char* name;
        ReplyWindowFacts facts;
        bool accepted;
    } cases[] = {
        {"the sender's reply window", {true, kCommandReplyClass, 40, 40}, true},
        {"HWND_BROADCAST names no window", {false, "", 0, 40}, false},
        {"a window of another class", {true, "Notepad", 40, 40}, false},
        {"a reply window of another process", {true, kCommandReplyClass, 41, 40}, false},
        {"a sender that names no window", {true, kCommandReplyClass, 40, 0}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplyWindowAcceptable(c.facts), c.accepted) << c.name;
}

TEST(CommandChannel, TheClientRunsAloneOnlyWhereNoUtilityRuns) {
    using M = UtilityMutex;
    const struct {
        UtilityProbe probe;
        ClientStep step;
    } cases[] = {
        {{true, false, M::Absent}, ClientStep::Send},
        {{false, false, M::Held}, ClientStep::Wait}, // starting
        {{false, false, M::Absent}, ClientStep::RunAlone},
        // A utility with higher rights: its mutex cannot be opened, its window drops messages.
        {{false, false, M::Denied}, ClientStep::Unreachable},
        {{false, true, M::Held}, ClientStep::Unreachable},
        {{true, true, M::Absent}, ClientStep::Unreachable},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NextClientStep(c.probe), c.step)
            << c.probe.windowReady << c.probe.windowDenied << static_cast<int>(c.probe.mutex);
    }
    EXPECT_EQ(UnreachableAnswer().status, kCommandNoAnswer);
}

} // namespace
