#include "platform/ui/RegisteredNames.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using win::UINT;
using win::detail::RegisteredNames;

TEST(RegisteredNames, NumbersRunFrom0xC000InOrderWithLettersOfEitherCaseAlike) {
    RegisteredNames names;
    EXPECT_EQ(names.Register("Fablecore Picture"), 0xC000u);
    EXPECT_EQ(names.Register("commdlg_FileNameOK"), 0xC001u);
    EXPECT_EQ(names.Register("FABLECORE picture"), 0xC000u);
    EXPECT_EQ(names.Register(""), 0u);
    EXPECT_EQ(names.Register(nullptr), 0u);
}

TEST(RegisteredNames, TheLastNumberIs0xFFFFAndKnownNamesStillAnswerAfterIt) {
    RegisteredNames names;
    UINT last = 0;
    for (int i = 0; i < 0x4000; ++i) last = names.Register(("name " + std::to_string(i)).c_str());
    EXPECT_EQ(last, 0xFFFFu);
    EXPECT_EQ(names.Register("one more"), 0u);
    EXPECT_EQ(names.Register("NAME 7"), 0xC007u);
}

}  // namespace
