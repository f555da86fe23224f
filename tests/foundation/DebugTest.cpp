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

TEST(Debug, BeepRingsTheStandardWarningBell) {
    static std::string types;
    win::SetBellHandler([](win::UINT type) { types += std::to_string(type) + ";"; });
    Beep();
    EXPECT_EQ(types, "0;");
    win::SetBellHandler(nullptr);
}

}  // namespace
