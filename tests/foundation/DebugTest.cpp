#include "foundation/Debug.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/sys/Bell.h"

namespace {

std::string received;

int Record(const char* text) {
    received = text;
    return 42;
}

TEST(Debug, HookReceivesTheFormattedTextAndItsAnswerIsReturned) {
    DebugPrintHook previous = SetDebugPrintHook(Record);
    EXPECT_NE(previous, nullptr);
    EXPECT_EQ(DebugPrintf("ERROR: %d Preparing to %s file", -12, "save"), 42);
    EXPECT_EQ(received, "ERROR: -12 Preparing to save file");
    EXPECT_EQ(SetDebugPrintHook(nullptr), Record);
}

TEST(Debug, OverlongMessagesAreCutToTheBuffer) {
    SetDebugPrintHook(Record);
    const std::string path(5000, 'p');
    DebugPrintf("Missing or damaged file '%s'.", path.c_str());
    EXPECT_EQ(received.size(), kDebugMessageSize - 1);
    EXPECT_EQ(received.rfind("Missing or damaged file 'ppp", 0), 0u);
    SetDebugPrintHook(nullptr);
}

TEST(Debug, BeepRingsTheBell) {
    const unsigned long before = win::GetBellCount();
    static win::UINT lastType = 99;
    win::SetBellHandler([](win::UINT type) { lastType = type; });
    Beep();
    Beep();
    EXPECT_EQ(win::GetBellCount(), before + 2);
    EXPECT_EQ(lastType, 0u);
    win::SetBellHandler(nullptr);
}

}  // namespace
