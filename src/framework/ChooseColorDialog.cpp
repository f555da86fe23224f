// The colour chooser and the custom colours kept in the profile.

#include <cctype>
#include <cstdio>
#include <string>

#include "framework/AppEnvironment.h"
#include "framework/ChooserHooks.h"
#include "framework/FontAndColorChoosers.h"
#include "framework/TAppl.h"
#include "framework/graphics/RGBColor.h"
#include "platform/sys/Profile.h"
#include "platform/ui/ColorChooser.h"
#include "platform/ui/Input.h"

using namespace win;

namespace {

constexpr const char* kCustomColorSection = "CUSTOM_COLORS";

std::string CustomColorKey(int index) { return std::string("Color") + static_cast<char>('A' + index); }

// The application's profile file; empty without an application.
std::string ProfilePath() {
    const TAppl* application = GetAppl();
    return application ? application->GetProfilePath() : std::string();
}

// Hexadecimal digits up to the first other character.
COLORREF ParseHex(const char* text) {
    COLORREF value = 0;
    for (; std::isxdigit(static_cast<unsigned char>(*text)); ++text) {
        const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(*text)));
        value = value << 4 | static_cast<COLORREF>(c <= '9' ? c - '0' : c - 'A' + 10);
    }
    return value;
}

}  // namespace

void ReadCustomColors(COLORREF (&colors)[kCustomColorCount]) {
    const std::string profile = ProfilePath();
    for (int i = 0; i < kCustomColorCount; ++i) {
        char text[10] = "FFFFFF";
        if (!profile.empty()) {
            GetPrivateProfileStringA(kCustomColorSection, CustomColorKey(i).c_str(), "FFFFFF", text,
                                     sizeof text, profile.c_str());
        }
        colors[i] = ParseHex(text);
    }
}

void WriteCustomColors(const COLORREF (&colors)[kCustomColorCount]) {
    const std::string profile = ProfilePath();
    if (profile.empty()) return;
    for (int i = 0; i < kCustomColorCount; ++i) {
        char text[12];
        std::snprintf(text, sizeof text, "%lX", static_cast<unsigned long>(colors[i]));
        WritePrivateProfileStringA(kCustomColorSection, CustomColorKey(i).c_str(), text, profile.c_str());
    }
}

// The colour is only taken on OK: taking the unchanged result after Cancel would cut the colour's
// components to the chooser's eight bits.
ErrCode ChooseColorDialog(RGBColor& color, bool fullOpen) {
    COLORREF custom[kCustomColorCount];
    ReadCustomColors(custom);
    CHOOSECOLORA record;
    record.rgbResult = color.ToColorRef();
    record.lpCustColors = custom;
    record.Flags = CC_RGBINIT | CC_ENABLEHOOK | (fullOpen ? CC_FULLOPEN : 0);
    record.lpfnHook = CenterChooserHook;
    bool chosen = false;
    {
        const ChooserModalPhase modal;
        record.hwndOwner = GetActiveWindow();
        chosen = ChooseColorA(&record) != FALSE;
    }
    if (!chosen) return 1;
    WriteCustomColors(custom);
    color.FromColorRef(record.rgbResult);
    return 0;
}
