// Windows: MDI children made, placed, sized, limited, maximised, shown and closed; their items set
// up and the focus item; the key road with injected keys; system commands a window refuses; windows
// that go while a handler or a queued command of theirs still runs.

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ApplicationFixture.h"
#include "foundation/pfm/PFM.h"
#include "framework/InputHelpers.h"
#include "framework/WindowUtilities.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Surface.h"
#include "platform/ui/FillClient.h"
#include "platform/ui/Input.h"
#include "platform/ui/Menus.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/Rects.h"
#include "platform/ui/SystemMetrics.h"
#include "platform/ui/VirtualKeys.h"

namespace apptest {
namespace {

using fakes::FakeItem;
using fakes::FakeItemList;

// An MDI child holding the items it is given, noting the stops of the key road it owns.
class ItemWindow : public TWindow {
public:
    ItemWindow(TAppl* application, std::vector<FakeItem*> items, std::uint16_t kind = 0,
               const ShortRect* rect = &kPlace)
        : TWindow(application, rect, nullptr, kChildMode, kind, "items") {
        auto* list = new FakeItemList;
        for (FakeItem* item : items) list->Add(item);
        SetItemList(list);
        SetUpItems();
    }
    ErrCode PreparePrinter() override { return 0; }
    bool PreviewKey(KeyEvent& event) override { return Note(event, "window preview", previewTakes); }
    bool HandleKey(KeyEvent& event) override {
        stops.emplace_back("window");
        return TWindow::HandleKey(event);
    }
    void EndModal(std::int32_t item) override { hits.push_back(item); }
    FakeItem* Item(std::int32_t index) const { return static_cast<FakeItem*>(GetItem(index)); }

    bool Note(const KeyEvent& event, const char* stop, std::int32_t take) {
        stops.emplace_back(stop);
        return event.GetKey() == take;
    }

    static constexpr ShortRect kPlace{20, 30, 220, 330};
    std::vector<std::string> stops;
    std::vector<std::int32_t> hits;
    std::int32_t previewTakes = -1;
};

FakeItem* TabStop(std::uint32_t flags = 0) { return new FakeItem(kEditViewAltClassId, true, flags); }
FakeItem* StaticTextItem() { return new FakeItem(kStatTextClassId, false); }

class WindowTest : public ApplicationTest {
protected:
    void SetUp() override {
        ApplicationTest::SetUp();
        fakes::InstallFakeItems();
        NextCascadePoint(true, true);
    }
    HWND Client() const { return application->GetMDIClient(); }
    HWND ActiveChild() const { return reinterpret_cast<HWND>(SendMessageA(Client(), WM_MDIGETACTIVE, 0, 0)); }
    void Type(UINT key, bool shift = false) {
        if (shift) presenter.KeyDown(VK_SHIFT);
        presenter.PressKey(key);
        if (shift) presenter.KeyUp(VK_SHIFT);
        presenter.DispatchPending();
    }
};

TEST_F(WindowTest, AChildIsMadeHiddenAtItsPlaceAndShowMakesItTheFrontWindow) {
    auto* first = new ItemWindow(application, {});
    EXPECT_FALSE(IsWindowVisible(first->GetHWnd())) << "made hidden";
    EXPECT_EQ(first->GetFrameRect(), ItemWindow::kPlace);
    first->Show();
    EXPECT_TRUE(IsWindowVisible(first->GetHWnd()));
    EXPECT_EQ(ActiveChild(), first->GetHWnd());

    auto* second = new ItemWindow(application, {});
    EXPECT_EQ(ActiveChild(), first->GetHWnd()) << "a new window leaves the active one active";
    second->Show();
    EXPECT_EQ(application->GetFrontWindow(), second);
    delete second;
    EXPECT_EQ(application->GetFrontWindow(), first);
    delete first;
}

TEST_F(WindowTest, AChildMadeWhileAMaximisedOneIsActiveOpensMaximisedUnlessItMayNotBe) {
    auto* first = new ItemWindow(application, {});
    first->Show();
    ShowWindow(first->GetHWnd(), SW_MAXIMIZE);
    auto* maximised = new ItemWindow(application, {});
    EXPECT_EQ(ActiveChild(), first->GetHWnd()) << "the active window is active again";
    EXPECT_TRUE(IsZoomed(first->GetHWnd()));
    maximised->Show();
    EXPECT_TRUE(IsZoomed(maximised->GetHWnd()));
    SendMessageA(Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->GetHWnd()), 0);

    auto* plain = new ItemWindow(application, {}, kWindowNoMaximize);
    EXPECT_FALSE(IsZoomed(plain->GetHWnd()));
    EXPECT_FALSE(IsZoomed(first->GetHWnd())) << "the maximised window was restored first";
    plain->Show();
    EXPECT_FALSE(IsZoomed(plain->GetHWnd()));
    delete plain;
    delete maximised;
    delete first;
}

TEST_F(WindowTest, AWindowThatMayNotBeMaximisedHasTheClientPaintedAgainOnlyWhenItsActivationRestoredOne) {
    auto* first = new ItemWindow(application, {});
    first->Show();
    presenter.DispatchPending();
    auto* plain = new ItemWindow(application, {}, kWindowNoMaximize);
    plain->Show();
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(Client(), &update, FALSE)) << "nothing restored: the client keeps its paint";
    presenter.DispatchPending();

    SendMessageA(Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->GetHWnd()), 0);
    ShowWindow(first->GetHWnd(), SW_MAXIMIZE);
    presenter.DispatchPending();
    SendMessageA(Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(plain->GetHWnd()), 0);
    EXPECT_FALSE(IsZoomed(first->GetHWnd()));
    EXPECT_TRUE(GetUpdateRect(Client(), &update, FALSE)) << "the maximised window was restored";
    delete plain;
    delete first;
}

TEST_F(WindowTest, ItsPaintErasesAllButWhatItsItemsPaintOverThemselves) {
    auto* item = new FakeItem();
    item->repainted = ShortRect::MakeLTRB(10, 10, 60, 40);
    auto* window = new ItemWindow(application, {item});
    window->Show();
    presenter.DispatchPending();
    const HWND handle = window->GetHWnd();
    const COLORREF marker = RGB(1, 2, 3);
    // The client marked with a colour no erase leaves, then painted by the window alone.
    const auto paintAfterMarking = [&] {
        uitest::FillClient(handle, marker);
        InvalidateRect(handle, nullptr, TRUE);
        SendMessageA(handle, WM_PAINT, 0, 0);
    };
    const auto pixel = [&](int x, int y) {
        POINT at{x, y};
        ClientToScreen(handle, &at);
        return GetScreenSurface().GetPixel(at.x, at.y);
    };
    paintAfterMarking();
    EXPECT_EQ(pixel(30, 20), marker) << "left to the item";
    EXPECT_EQ(pixel(10, 10), marker);
    EXPECT_NE(pixel(9, 20), marker) << "erased beside it";
    EXPECT_NE(pixel(60, 20), marker);
    EXPECT_NE(pixel(30, 40), marker);
    EXPECT_NE(pixel(150, 150), marker);

    item->repainted = ShortRect{};
    paintAfterMarking();
    EXPECT_NE(pixel(30, 20), marker) << "an item that paints nothing over is erased under";
    delete window;
}

TEST_F(WindowTest, NewWindowsWithoutAPlaceFollowTheCascadeWithinTheFrame) {
    auto* first = new ItemWindow(application, {}, 0, nullptr);
    auto* second = new ItemWindow(application, {}, 0, nullptr);
    const ShortRect frame = application->GetFrameClientRect();
    EXPECT_EQ(first->GetFrameRect(), ShortRect::MakeLTRB(0, 0, frame.right - 6, frame.bottom - 1));
    const ShortRect place = second->GetFrameRect();
    EXPECT_EQ(place.left, GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(place.top, GetSystemMetrics(SM_CYCAPTION));
    EXPECT_EQ(place.right, frame.right - 6) << "cut to the frame";
    delete second;
    delete first;

    // The place never goes below the smallest size nor above the largest.
    struct Limited : ItemWindow {
        using ItemWindow::ItemWindow;
        ShortPoint GetMaxTrackSize() override { return maximum; }
        ShortPoint GetMinTrackSize() override { return minimum; }
        ShortPoint maximum{300, 200};
        ShortPoint minimum{10, 10};
    };
    Limited limited(application, {});
    ShortRect rect;
    limited.GetDefaultRect(rect);
    EXPECT_EQ(rect.Width(), 300);
    EXPECT_EQ(rect.Height(), 200);
    limited.minimum = ShortPoint{2000, 1000};
    limited.GetDefaultRect(rect);
    EXPECT_EQ(rect.Width(), 2000);
    EXPECT_EQ(rect.Height(), 1000);
}

TEST_F(WindowTest, SizeChangesKeepToTheWindowsLimits) {
    auto* window = new ItemWindow(application, {});
    window->Show();
    std::int16_t left = 0, top = 0, right = 0, bottom = 0;
    window->GetFrameMetrics(left, top, right, bottom);
    EXPECT_EQ(left, GetSystemMetrics(SM_CXFRAME));
    EXPECT_EQ(top, GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION));
    const int minWidth = kMinTrackSize + left + right;
    const int minHeight = kMinTrackSize + top + bottom - 20;

    MoveWindow(window->GetHWnd(), 5, 5, 10, 10, TRUE);
    EXPECT_EQ(window->GetFrameRect(), ShortRect::MakeLTRB(5, 5, 5 + minWidth, 5 + minHeight));
    MoveWindow(window->GetHWnd(), 5, 5, 300, 200, TRUE);
    EXPECT_EQ(window->GetFrameRect().Width(), 300) << "larger sizes stand";

    WindowPosRecord maximised(WindowPosRecord::kMaximized, 0, 0, 1, 1);
    window->ConstrainWindowPos(maximised);
    EXPECT_EQ(maximised.width, 1) << "only the normal state is limited";
    delete window;

    auto* fixed = new ItemWindow(application, {}, kWindowFixedSize);
    fixed->Show();
    fixed->GetFrameMetrics(left, top, right, bottom);
    EXPECT_EQ(left, GetSystemMetrics(SM_CXDLGFRAME)) << "no sizing border";
    MoveWindow(fixed->GetHWnd(), 0, 0, 400, 300, TRUE);
    EXPECT_EQ(fixed->GetFrameRect(),
              ShortRect::MakeLTRB(0, 0, kMinTrackSize + left + right, kMinTrackSize + top + bottom - 20))
        << "a fixed size window keeps the minimum";
    delete fixed;
}

TEST_F(WindowTest, SystemCommandsTheKindForbidsAreRefused) {
    struct Case {
        std::uint16_t kind;
        UINT command;
    };
    for (const Case c : {Case{kWindowNoMaximize, SC_MAXIMIZE}, Case{kWindowNoMinimize, SC_MINIMIZE},
                         Case{kWindowNoClose, SC_CLOSE}}) {
        auto* window = new ItemWindow(application, {}, c.kind);
        window->Show();
        const WindowRef alive(window);
        EXPECT_EQ(SendMessageA(window->GetHWnd(), WM_SYSCOMMAND, c.command, 0), 1) << c.command;
        ASSERT_NE(alive.Get(), nullptr) << c.command;
        EXPECT_FALSE(IsZoomed(window->GetHWnd()) || IsIconic(window->GetHWnd())) << c.command;
        delete window;
    }
    auto* free = new ItemWindow(application, {});
    free->Show();
    SendMessageA(free->GetHWnd(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(IsZoomed(free->GetHWnd())) << "allowed without the flag";
    delete free;

    auto* noClose = new ItemWindow(application, {}, kWindowNoClose);
    SendMessageA(noClose->GetHWnd(), WM_INITMENU, 0, 0);
    EXPECT_EQ(GetMenuState(GetSystemMenu(noClose->GetHWnd(), FALSE), SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED,
              MF_GRAYED);
    delete noClose;
}

TEST_F(WindowTest, ItemsAreOpenedAndTheFirstTabStopTakesTheFocus) {
    FakeItem* resizing = StaticTextItem();
    resizing->flags = kItemFollowsSize;
    auto* window = new ItemWindow(application, {StaticTextItem(), resizing, TabStop(), TabStop()});
    EXPECT_EQ(window->GetFocusItem(), 2);
    EXPECT_TRUE(window->Item(0)->IsCreated());
    EXPECT_EQ(resizing->resizes, 1);
    EXPECT_EQ(window->Item(0)->resizes, 0);
    window->Show();
    EXPECT_EQ(GetFocus(), window->Item(2)->GetHWnd()) << "showing the window gives its focus item the focus";

    EXPECT_FALSE(window->CanPaste());
    window->Item(2)->canEdit = true;
    EXPECT_TRUE(window->CanPaste());
    window->DoCopy();
    window->DoClear();
    EXPECT_EQ(window->Item(2)->edits, std::vector<std::string>{"copy"});
    EXPECT_EQ(window->Item(2)->clears, 1);

    EXPECT_EQ(window->LoadItems(0), kNoErr);
    EXPECT_EQ(window->GetItemList(), nullptr);
    EXPECT_EQ(window->GetFocusItem(), -1);
    EXPECT_FALSE(window->CanSelectAll()) << "no focus item: nothing to edit";
    window->DoPaste();  // nothing to do it
    delete window;
}

// Items of the data file: a stored list (fakes' form) put into the application data file in memory.
class StoredItemsTest : public WindowTest {
protected:
    static constexpr std::uint16_t kId = 4000;
    FakeItemList* stored = nullptr;

    void SetUp() override {
        WindowTest::SetUp();
        stored = new FakeItemList;
        stored->Add(StaticTextItem())->text = "label";
        stored->Add(TabStop());
        const PFMFileScope scope(application->GetDataFile(), false);
        ASSERT_TRUE(PFMPutSegment(FourCCOf("ITM#"), kId, stored, 1, true));
        PFMCheckIn(stored);
    }
    std::uint32_t LockCount() {
        const PFMFileScope scope(application->GetDataFile(), false);
        return PFMGetLockCount(FourCCOf("ITM#"), kId);
    }
};

TEST_F(StoredItemsTest, AWindowBorrowsItsStoredItemsAndGivesThemBackClosed) {
    auto* window = new ItemWindow(application, {});
    window->SetStoreItems(true);
    ASSERT_EQ(window->LoadItems(kId), kNoErr);
    EXPECT_EQ(window->GetItemList(), stored);
    EXPECT_EQ(LockCount(), 1u);
    EXPECT_EQ(window->GetFocusItem(), 1);
    EXPECT_TRUE(stored->Item(1)->IsCreated());

    // A second window of the kind gets items of its own.
    auto* other = new ItemWindow(application, {});
    ASSERT_EQ(other->LoadItems(kId), kNoErr);
    ASSERT_NE(other->GetItemList(), nullptr);
    EXPECT_NE(other->GetItemList(), stored);
    EXPECT_EQ(static_cast<FakeItem*>(other->GetItem(0))->text, "label");
    EXPECT_TRUE(other->GetItem(1)->IsCreated());
    EXPECT_EQ(stored->GetWindow(), window);
    EXPECT_EQ(LockCount(), 1u) << "the copy holds no lock";
    delete other;

    delete window;
    EXPECT_EQ(LockCount(), 0u);
    EXPECT_EQ(stored->GetWindow(), nullptr);
    EXPECT_FALSE(stored->Item(1)->IsCreated()) << "closed, ready for the next window";
    EXPECT_EQ(stored->Item(1)->saves, 1) << "the items kept their state";

    auto* again = new ItemWindow(application, {});
    ASSERT_EQ(again->LoadItems(kId), kNoErr);
    EXPECT_TRUE(stored->Item(1)->IsCreated()) << "opened again";
    EXPECT_EQ(stored->Item(1)->saves, 1) << "unless the window asks, items keep nothing";
    delete again;
}

TEST_F(StoredItemsTest, AMissingSegmentLeavesNoItemsAndAFailedSetUpLetsThemGo) {
    auto* window = new ItemWindow(application, {TabStop()});
    EXPECT_EQ(window->LoadItems(kId + 1), kNoErr) << "a missing segment is no error";
    EXPECT_EQ(window->GetItemList(), nullptr);
    EXPECT_EQ(window->GetFocusItem(), -1);
    delete window;

    struct Failing : ItemWindow {
        using ItemWindow::ItemWindow;
        ErrCode SetUpItems() override { return -5; }
    };
    Failing failing(application, {});
    EXPECT_EQ(failing.LoadItems(kId), -5);
    EXPECT_EQ(failing.GetItemList(), nullptr);
    EXPECT_EQ(LockCount(), 0u);
}

TEST_F(WindowTest, TabMovesTheFocusRoundTheTabStopsAndShiftTabBack) {
    auto* window =
        new ItemWindow(application, {TabStop(), StaticTextItem(), TabStop(kItemDisabled), TabStop()});
    window->Show();
    ASSERT_EQ(window->GetFocusItem(), 0);
    Type(VK_TAB);
    EXPECT_EQ(window->GetFocusItem(), 3) << "texts and disabled items are passed over";
    EXPECT_EQ(GetFocus(), window->Item(3)->GetHWnd());
    Type(VK_TAB);
    EXPECT_EQ(window->GetFocusItem(), 0) << "round to the first";
    Type(VK_TAB, true);
    EXPECT_EQ(window->GetFocusItem(), 3) << "Shift+Tab goes back round";
    EXPECT_EQ(std::count(application->unusedKeys.begin(), application->unusedKeys.end(), kKeyTab), 0)
        << "the window took every Tab";
    delete window;
}

TEST_F(WindowTest, TabInAWindowWithoutAFocusItemGoesToTheApplication) {
    auto* window = new ItemWindow(application, {StaticTextItem()});
    window->Show();
    ASSERT_EQ(window->GetFocusItem(), -1);
    Type(VK_TAB);
    EXPECT_EQ(application->unusedKeys, std::vector<std::int32_t>{kKeyTab});
    delete window;
}

TEST_F(WindowTest, KeysTakeTheRoadInOrderUntilOneStopTakesThem) {
    auto* window = new ItemWindow(application, {TabStop()});
    window->Show();
    FakeItem* item = window->Item(0);
    const std::int32_t keyA = kKeyLetterA;

    Type('A');
    EXPECT_EQ(application->previewedKeys, std::vector<std::int32_t>{keyA}) << "once, as its character";
    EXPECT_EQ(window->stops, (std::vector<std::string>{"window preview", "window"}));
    EXPECT_EQ(item->keysSeen, std::vector<std::int32_t>{keyA});
    EXPECT_EQ(application->unusedKeys, std::vector<std::int32_t>{keyA});

    window->stops.clear();
    item->keysSeen.clear();
    item->keysTaken = {kKeyLeft};
    Type(VK_LEFT);
    EXPECT_EQ(item->keysSeen, std::vector<std::int32_t>{kKeyLeft})
        << "a key without a character, by its key-down";
    EXPECT_EQ(window->stops, std::vector<std::string>{"window preview"}) << "the item took it";

    window->stops.clear();
    window->previewTakes = kKeyDown;
    Type(VK_DOWN);
    EXPECT_EQ(item->keysSeen.back(), kKeyLeft) << "the window's preview took it before the item";

    application->previewTakes = keyA;
    window->stops.clear();
    Type('A');
    EXPECT_TRUE(window->stops.empty()) << "the application's preview comes first";
    delete window;
}

// The application closes a window from its WM_CLOSE: the object goes inside its own handler.
TEST_F(WindowTest, AWindowClosedFromItsOwnCloseMessageIsGoneAndNothingTouchesItAfter) {
    auto* window = new ItemWindow(application, {TabStop(), TabStop()});
    window->Show();
    const HWND handle = window->GetHWnd();
    const WindowRef alive(window);
    SendMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(alive.Get(), nullptr);
    EXPECT_FALSE(IsWindow(handle));

    struct Refuser : ItemWindow {
        using ItemWindow::ItemWindow;
        bool AllowClose() override { return false; }
    };
    auto* kept = new Refuser(application, {});
    SendMessageA(kept->GetHWnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(kept->GetHWnd())) << "WM_CLOSE never destroys the window itself";
    delete kept;
}

TEST_F(WindowTest, QueuedCommandsOfAWindowThatHasGoneDoNothing) {
    auto* window = new ItemWindow(application, {TabStop()});
    window->PostItemHit(0);
    window->PostCommand(std::make_unique<CmdAppCloseWindow>(application, window, true));
    window->PostItemHit(1);
    application->DrainQueue(kFirstQueue);
    EXPECT_EQ(application->GetFrontWindow(), nullptr) << "the second command closed the window";

    auto* kept = new ItemWindow(application, {});
    kept->PostItemHit(2);
    kept->PostItemHit(-1);
    application->DrainQueue(kFirstQueue);
    EXPECT_EQ(kept->hits, std::vector<std::int32_t>{2}) << "a negative index is no item";
    delete kept;
}

TEST_F(WindowTest, ScrollMessagesGoOnlyToTheScrollerOwningTheScrollBar) {
    auto* window =
        new ItemWindow(application, {new FakeItem(kScrollerClassId), new FakeItem(kScrollerClassId)});
    FakeItem* second = window->Item(1);
    SendMessageA(window->GetHWnd(), WM_VSCROLL, 0, reinterpret_cast<LPARAM>(second->GetHWnd()));
    EXPECT_EQ(second->scrolls, std::vector<UINT>{WM_VSCROLL});
    EXPECT_TRUE(window->Item(0)->scrolls.empty());
    EXPECT_EQ(SendMessageA(window->GetHWnd(), WM_HSCROLL, 0, reinterpret_cast<LPARAM>(Frame())), 0)
        << "a scroll bar no scroller owns is swallowed";
    delete window;
}

TEST_F(WindowTest, TheActivatingClickIsEatenOnlyByWindowsThatAskAndOnlyOnce) {
    auto* eating = new ItemWindow(application, {}, kWindowEatsActivationClick);
    auto* plain = new ItemWindow(application, {});
    plain->Show();
    eating->Show();
    EXPECT_TRUE(eating->HasActivationClick());
    const LPARAM clientClick = MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN);
    EXPECT_EQ(SendMessageA(eating->GetHWnd(), WM_MOUSEACTIVATE, 0, clientClick), MA_ACTIVATEANDEAT);
    EXPECT_EQ(SendMessageA(eating->GetHWnd(), WM_MOUSEACTIVATE, 0, clientClick), MA_ACTIVATE);
    EXPECT_EQ(SendMessageA(plain->GetHWnd(), WM_MOUSEACTIVATE, 0, clientClick), MA_ACTIVATE);

    plain->Show();
    eating->Show();
    presenter.DispatchPending();
    EXPECT_FALSE(eating->HasActivationClick()) << "the posted message ends it once the queue is handled";
    delete plain;
    delete eating;
}

}  // namespace
}  // namespace apptest
