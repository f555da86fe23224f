// The choosers' look compared with reference pictures (ReferencePicture.h).

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

#include "ReferencePicture.h"
#include "UiFixture.h"
#include "platform/sys/TempFolder.h"
#include "platform/ui/ColorChooser.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/FileChooser.h"
#include "platform/ui/FileChooserDialog.h"
#include "platform/ui/FontChooser.h"
#include "platform/ui/ListBoxControl.h"
#include "platform/ui/VirtualKeys.h"

namespace uitest {
namespace {

class ChooserScreenshot : public UiTest {
protected:
    HWND owner = nullptr;
    IdleScript script{presenter};

    void SetUp() override {
        UiTest::SetUp();
        owner = Popup(RECT{0, 0, 800, 600}, WS_POPUP | WS_VISIBLE | WS_CAPTION);
        SetWindowTextA(owner, "Fablecore");
        Pump();
    }
};

TEST_F(ChooserScreenshot, TheFileChooserMatchesItsReferencePicture) {
    TempFolder temp;
    for (const char* folder : {"Chapters", "Notes"}) ::mkdir((temp / folder).c_str(), 0755);
    for (const char* file :
         {"My Story.fsf", "Second draft.fsf", "Caf\xC3\xA9.fsf", "\xD0\xA1\xD1\x8E.fsf", "readme.txt"})
        temp.WriteFile(file, "x");
    std::vector<char> buffer(260, '\0');
    std::strcpy(buffer.data(), (temp.Path() + "/").c_str());
    OPENFILENAMEA record;
    record.hwndOwner = owner;
    record.lpstrFilter = "Fablecore Story File (*.fsf)\0*.fsf\0All Files (including Mac)\0*.*\0";
    record.lpstrFile = buffer.data();
    record.nMaxFile = static_cast<DWORD>(buffer.size());
    record.lpstrTitle = "Open Fablecore Story File";
    record.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    script.Then([&] {
        HWND chooser = GetActiveWindow();
        // The temporary folder's name differs from run to run: the field shows a fixed one.
        SetDlgItemTextA(chooser, detail::kChooserFolderField, "/home/writer/Stories");
        // The fields' text sits clear of their left border and in the middle of their height.
        for (int id : {detail::kChooserNameField, detail::kChooserFolderField}) {
            HWND field = GetDlgItem(chooser, id);
            RECT client, format;
            GetClientRect(field, &client);
            SendMessageA(field, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
            EXPECT_GE(format.left, 2) << id;
            EXPECT_LE(client.right - format.right, format.left + 1) << id;
            EXPECT_LE(std::abs((format.top - client.top) - (client.bottom - format.bottom)), 1) << id;
            EXPECT_GT(format.top, 0) << id;
        }
        HWND list = GetDlgItem(chooser, detail::kChooserFileList);
        RECT item;
        SendMessageA(list, LB_GETITEMRECT, 4, reinterpret_cast<LPARAM>(&item));
        POINT at{item.left + 40, item.top + 4};
        ClientToScreen(list, &at);
        presenter.Click(at);
    });
    script.Then([&] {
        CompareWithReference("file-chooser.png");
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(GetOpenFileNameA(&record));
}

TEST_F(ChooserScreenshot, TheFontChooserMatchesItsReferencePicture) {
    LOGFONTA font;
    std::strcpy(font.lfFaceName, "Times New Roman");
    font.lfHeight = -24;
    font.lfWeight = FW_BOLD;
    CHOOSEFONTA record;
    record.hwndOwner = owner;
    record.lpLogFont = &font;
    record.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_FORCEFONTEXIST | CF_LIMITSIZE;
    record.nSizeMin = 4;
    record.nSizeMax = 72;
    script.Then([&] {
        CompareWithReference("font-chooser.png");
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(ChooseFontA(&record));
}

TEST_F(ChooserScreenshot, TheColourChooserMatchesItsReferencePicture) {
    std::array<COLORREF, 16> custom{};
    custom.fill(RGB(255, 255, 255));
    custom[0] = RGB(40, 90, 160);
    custom[1] = RGB(200, 160, 60);
    CHOOSECOLORA record;
    record.hwndOwner = owner;
    record.lpCustColors = custom.data();
    record.rgbResult = RGB(40, 90, 160);
    record.Flags = CC_RGBINIT | CC_FULLOPEN;
    script.Then([&] {
        CompareWithReference("color-chooser.png");
        presenter.PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(ChooseColorA(&record));
}

}  // namespace
}  // namespace uitest
