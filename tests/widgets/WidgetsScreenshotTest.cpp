// The widgets as they look, against reference pictures in data/: a popup choice open on its
// chosen entry, a hierarchical menu open two levels deep, a tree selector with open and closed
// branches and a selected row, and a hierarchical panel of three levels.

#include <gtest/gtest.h>

#include <string>

#include "TextTreeView.h"
#include "WidgetFixture.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/QRVBitmap.h"
#include "items/ReferencePicture.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/Objects.h"
#include "widgets/HPMenu.h"
#include "widgets/HierarchicalPanel.h"
#include "widgets/Popup.h"

namespace widgetstest {
namespace {

class WidgetsScreenshotTest : public WidgetTest {};

TEST_F(WidgetsScreenshotTest, APopupChoiceOpen) {
    const ShortRect bounds = ShortRect::MakeLTRB(20, 30, 260, 50);
    auto* popup = window->Add<Popup>(&bounds, "Gender:", 0, RGBColor(0));
    for (const char* text : {"Male", "Female", "-", "Neutral", "Unknown"}) popup->AddItem(text);
    window->Open();
    Run();
    popup->DisableItem(4);
    popup->SetValue(1, true);
    Then([&] {
        // Onto "Neutral", lit.
        const int height = static_cast<int>(popup->GetMenu()->GetEntryHeight());
        presenter.MoveMouse(
            POINT{OpenMenuRect().left + 30, OpenMenuRect().top + 3 + 3 * height + height / 2});
    });
    Then([&] {
        itemstest::CompareWithReference(GetScreenSurface(), "popup-open.png");
        presenter.PressKey(VK_ESCAPE);
    });
    presenter.Click(Inside(popup, 150, 5));
    Run();
}

// Three levels of a small tree, the second with children of its own.
class MenuTree : public IHMPClient {
public:
    void GetRoot(std::int32_t& handle) override { handle = 0; }
    void ApplyChanges(const HMPItemList& /*on*/, const HMPItemList& /*off*/) override {}
    std::int16_t IsDimmed(std::int32_t handle) override { return handle == 12 ? 1 : 0; }
    std::int16_t IsValid(std::int32_t handle) override { return handle >= 0 && handle < 20 ? 1 : 0; }
    std::int16_t IsChecked(std::int32_t handle) override { return handle == 11 || handle == 2 ? 1 : 0; }
    std::int16_t IsCheckable(std::int32_t handle) override { return handle >= 10 || handle == 2 ? 1 : 0; }
    void GetFirstChild(std::int32_t& child, std::int32_t handle) override {
        child = handle == 1 ? 10 : handle == 13 ? 16 : -1;
    }
    void GetNextSibling(std::int32_t& sibling, std::int32_t handle) override {
        sibling =
            (handle >= 0 && handle < 2) || (handle >= 10 && handle < 14) || (handle >= 16 && handle < 17)
                ? handle + 1
                : -1;
    }
    void GetItemText(std::int32_t handle, char* buffer, std::int16_t size) override {
        static const char* const texts[20] = {"Characters", "Themes",
                                              "Plot",       "",
                                              "",           "",
                                              "",           "",
                                              "",           "",
                                              "Issue",      "Counterpoint",
                                              "Premise",    "Thematic conflict",
                                              "-",          "",
                                              "Value",      "Worth"};
        std::snprintf(buffer, static_cast<std::size_t>(size), "%s", texts[handle]);
    }
    void GetItemFont(LOGFONTA& font, std::int32_t /*handle*/) override { MakeLogFont(font, 3, 10, 0); }
};

TEST_F(WidgetsScreenshotTest, AHierarchicalMenuTwoLevelsDeep) {
    MenuTree tree;
    const ShortRect bounds = ShortRect::MakeLTRB(20, 30, 200, 52);
    auto* menu = new HMPMenu(&tree, window->list, &bounds);
    window->list->Append(menu);
    window->Open();
    menu->SetTitle("This Scene Represents:");
    Run();
    auto onRow = [](int level, int row) {
        TActiveHPMenuWindow* window = TActiveHPMenu::Current()->WindowAt(static_cast<std::int16_t>(level));
        const ShortRect rect = window->GetRowRect(static_cast<std::int16_t>(row));
        POINT point{rect.left + 30, (rect.top + rect.bottom) / 2};
        ClientToScreen(window->GetHWnd(), &point);
        return point;
    };
    ThenWhen([&] {
        if (!TActiveHPMenu::Current()) return false;
        presenter.MoveMouse(onRow(0, 1));
        return true;
    });
    ThenWhen([&] { return TActiveHPMenu::Current()->GetDepth() == 1; });
    Then([&] { presenter.MoveMouse(onRow(1, 3)); });
    ThenWhen([&] { return TActiveHPMenu::Current()->GetDepth() == 2; });
    Then([&] {
        itemstest::CompareWithReference(GetScreenSurface(), "hierarchical-menu.png");
        presenter.PressKey(VK_ESCAPE);
    });
    presenter.Click(Inside(menu, 100, 10));
    Run();
}

// A 9 by 9 marker: a box with a minus, or a plus when closed.
void DrawMarker(QRVBitmap& bitmap, bool open) {
    const HDC dc = bitmap.BeginDrawing();
    const RECT all{0, 0, 9, 9};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const RECT across{2, 4, 7, 5};
    FillRect(dc, &across, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (!open) {
        const RECT down{4, 2, 5, 7};
        FillRect(dc, &down, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    bitmap.EndDrawing();
}

TEST_F(WidgetsScreenshotTest, ATreeSelector) {
    QRVBitmap open(9, 9, 0);
    QRVBitmap closed(9, 9, 0);
    DrawMarker(open, true);
    DrawMarker(closed, false);
    auto* view = window->Add<NameTreeView>(ShortRect::MakeLTRB(20, 20, 240, 200));
    window->Open();
    view->SetOpenMarker(&open);
    view->SetClosedMarker(&closed);
    {
        const TreeSelectorView::UpdateGuard guard(*view);
        auto add = [&](const char* name, TreeSelectorNode* parent, bool isOpen = true) {
            auto* node = new NameNode(name, isOpen);
            view->InsertNode(node, parent, -1);
            return node;
        };
        NameNode* story = add("Story", nullptr);
        NameNode* characters = add("Characters", story);
        add("Protagonist", characters);
        add("Antagonist", characters);
        add("Sidekick", characters);
        NameNode* plot = add("Plot", story, false);
        add("Goal", plot);
        NameNode* theme = add("Theme", story);
        add("Issue", theme);
        view->SetNodeSelected(add("Counterpoint", theme), true);
        add("Genre", nullptr, false);
    }
    Run();
    itemstest::CompareWithReference(GetScreenSurface(), "tree-selector.png");
}

TEST_F(WidgetsScreenshotTest, AHierarchicalPanel) {
    const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 290, 180);
    auto* panel = new HierarchicalPanel(3, 3, window->list, &bounds, ShortPoint{0, 0}, ShortPoint{0, 0}, 0,
                                        RGBColor(0));
    window->list->Append(panel);
    window->Open();
    static const char* const kinds[4] = {"Universe", "Physics", "Psychology", "Mind"};
    panel->SetNodeText(0, "The Story Elements");
    for (int node = 1; node < 21; ++node) {
        const std::string text = node <= 4 ? kinds[node - 1] : "Type " + std::to_string(node);
        panel->SetNodeText(node, text.c_str());
    }
    panel->SetNodeFlag(7, 0);
    panel->SetColorScheme(4);
    panel->SetCurrentNode(6);
    panel->RedrawAll();
    Run();
    itemstest::CompareWithReference(GetScreenSurface(), "hierarchical-panel.png");
}

}  // namespace
}  // namespace widgetstest
