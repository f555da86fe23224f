#include "framework/AppEnvironment.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/Objects.h"
#include "platform/present/HeadlessPresenter.h"
#include "platform/ui/Window.h"

namespace {

using namespace win;

TEST(FrameClassName, KeepsTheLettersAndDigitsOfTheProgramsName) {
    EXPECT_EQ(FrameClassNameFor("My App-2.exe"), "QRV_MyApp2exe_CLASS");
    EXPECT_EQ(FrameClassNameFor("fablecore"), "QRV_fablecore_CLASS");
    EXPECT_EQ(FrameClassNameFor("\xE9t\xE9"), "QRV_t_CLASS") << "only ASCII letters and digits";
}

TEST(FrameClassName, CutsVeryLongNames) {
    const std::string at246(246, 'a');
    EXPECT_EQ(FrameClassNameFor(at246), "QRV_" + at246 + "_CLASS");
    const std::string over(250, 'b');
    EXPECT_EQ(FrameClassNameFor(over), "QRV_" + std::string(239, 'b') + "_CLASS");
}

TEST(FrameClassName, ComesFromTheProgramFile) {
    // The test program's own name: the letters and digits of "framework_tests".
    EXPECT_EQ(MakeFrameClassName(nullptr), "QRV_frameworktests_CLASS");
}

TEST(AppEnvironment, ProgramNameIsTheLastPartOfArgumentZero) {
    AppEnvironment environment;
    char path[] = "/usr/local/bin/fablecore";
    char bare[] = "fablecore";
    char* withFolder[] = {path, nullptr};
    char* withoutFolder[] = {bare, nullptr};
    environment.SetStart(1, withFolder, nullptr, nullptr, "", 0);
    EXPECT_EQ(environment.GetProgramName(), "fablecore");
    environment.SetStart(1, withoutFolder, nullptr, nullptr, "", 0);
    EXPECT_EQ(environment.GetProgramName(), "fablecore");
}

TEST(AppEnvironment, IsReachableOnlyWhileSet) {
    EXPECT_EQ(GetAppEnvironment(), nullptr);
    EXPECT_EQ(AppEnvironment::SetApplication(nullptr), -1) << "no environment to hold it";
    AppEnvironment environment;
    EXPECT_EQ(SetAppEnvironment(&environment), nullptr);
    EXPECT_EQ(GetAppEnvironment(), &environment);
    EXPECT_EQ(AppEnvironment::SetApplication(nullptr), kNoErr);
    EXPECT_EQ(SetAppEnvironment(nullptr), &environment);
    EXPECT_EQ(GetAppl(), nullptr);
}

TEST(AppEnvironment, ResetReleasesWhatItHoldsAndNothingElse) {
    HeadlessPresenter presenter;
    // The classes go with the test, so the program's own are registered in later tests.
    struct Unregister {
        ~Unregister() {
            for (const char* name : {kWindowClassName, kDialogClassName, kPaletteClassName})
                UnregisterClassA(name, nullptr);
        }
    } unregister;
    for (const char* name : {kWindowClassName, kDialogClassName, kPaletteClassName}) {
        WNDCLASSA wc;
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = name;
        ASSERT_NE(RegisterClassA(&wc), 0) << name;
    }
    const long objectsBefore = GetLiveGdiObjectCount();
    AppEnvironment environment;
    environment.SetClassRegistered(kWindowClassName, true);
    environment.SetClassRegistered(kPaletteClassName, true);
    environment.SetSharedObject(CreateSolidBrush(RGB(1, 2, 3)));
    environment.GetList(1).Append(5);
    environment.GetList(4).Append(6);
    environment.SetCursorState(3);
    environment.SetFrameWindow(reinterpret_cast<HWND>(std::uintptr_t{1}));

    environment.Reset();

    EXPECT_EQ(GetLiveGdiObjectCount(), objectsBefore);
    WNDCLASSA info;
    EXPECT_FALSE(GetClassInfoA(nullptr, kWindowClassName, &info));
    EXPECT_FALSE(GetClassInfoA(nullptr, kPaletteClassName, &info));
    EXPECT_TRUE(GetClassInfoA(nullptr, kDialogClassName, &info)) << "a class it did not register stays";
    EXPECT_FALSE(environment.IsClassRegistered(kWindowClassName));
    EXPECT_EQ(environment.GetList(1).Count(), 0);
    EXPECT_EQ(environment.GetList(4).Count(), 0);
    EXPECT_EQ(environment.GetCursorState(), -1);
    EXPECT_EQ(environment.GetFrameWindow(), nullptr);
}

}  // namespace
