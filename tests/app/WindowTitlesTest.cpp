// What the windows show of themselves in the running program: the front end names its story file as
// the system names it (a degree sign and a digit are no escape of a stored text), and a window brought
// to the front over a maximised one is drawn whole, its list chooser included.

#include <filesystem>
#include <memory>
#include <string>

#include "ProgramFixture.h"
#include "app/FEWindow.h"
#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "items/TItem.h"
#include "platform/gdi/GdiTestSupport.h"
#include "platform/ui/Mdi.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Painting.h"
#include "platform/ui/Window.h"
#include "query/FQSWindow.h"

namespace apptest {
namespace {

TEST_F(ProgramTest, TheFrontEndNamesItsFileAsTheSystemNamesIt) {
    InstallBuiltDataFiles();
    // "Oven at 20°1.fsf": in the program's text the degree sign is the byte the stored texts escape
    // with, and "1" the code of a right brace.
    const std::string story = folder /
                              "Oven at 20\xC2\xB0"
                              "1.fsf";
    std::filesystem::copy_file(builtFolder + "/examples/Romeo and Juliet.fsf", story);
    std::string caption;
    Then([&] {
        ASSERT_EQ(GetAppl()->GetDocumentCount(), 1);
        caption = static_cast<FKDoc*>(GetAppl()->GetDocument(0))->GetFrontEndWindow()->GetTitle();
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunProgram({story}), 0);
    EXPECT_EQ(caption.rfind("Oven at 20\xB0"
                            "1.fsf - ",
                            0),
              0u)
        << caption;
}

TEST_F(ProgramTest, TheQueryWindowBroughtForwardOverAMaximisedWindowShowsItsListChooser) {
    InstallBuiltDataFiles();
    FKDoc* story = nullptr;
    HWND chooser = nullptr;
    std::unique_ptr<Surface> shown;
    Then([] { PostMessageA(GetPresentedFrame(), WM_NULL, 0, 0); });
    Then([&] {
        story = static_cast<FKDoc*>(GetAppl()->GetDocument(0));
        static_cast<Fablecore*>(GetAppl())->GetPreferencesManager()->SetPronounGender(1);
        Shortcut(presenter, 'U');
    });
    // The comments open over the query window and are maximised; Ctrl+U brings the query window
    // forward, maximised in their place.
    Then([&] { Shortcut(presenter, '4'); });
    Then([&] {
        ASSERT_NE(story->GetCommentWindow(), nullptr);
        SendMessageA(GetAppl()->GetMDIClient(), WM_MDIMAXIMIZE,
                     reinterpret_cast<WPARAM>(story->GetCommentWindow()->GetHWnd()), 0);
    });
    Then([&] { Shortcut(presenter, 'U'); });
    Then([&] {
        TWindow* query = story->GetFQSWindow();
        ASSERT_NE(query, nullptr);
        ASSERT_TRUE(IsZoomed(query->GetHWnd()));
        chooser = dynamic_cast<TItem*>(query->GetItem(FQSWindow::kListChooserItem))->GetHWnd();
        shown = WindowPicture(chooser);
        // What the chooser draws when it is asked to draw itself again.
        InvalidateRect(chooser, nullptr, TRUE);
    });
    Then([&] {
        EXPECT_EQ(gditest::DifferingPixels(*WindowPicture(chooser), *shown), 0)
            << "the chooser was not drawn when its window came forward";
        PostMessageA(GetPresentedFrame(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(RunProgram(), 0);
}

}  // namespace
}  // namespace apptest
