// One window holding each simple item and button kind, drawn and compared with a reference picture
// (data/items.png): frames of every kind, a group frame with its caption, texts in each
// justification (one wrapped, one disabled), a bar graph, push, radio and check buttons in their
// states, and a row of graphic buttons.

#include "AppItemsFixture.h"
#include "ReferencePicture.h"
#include "framework/graphics/FontMapping.h"
#include "items/BarGraph.h"
#include "items/CheckBox.h"
#include "items/Cluster.h"
#include "items/GraphBtn.h"
#include "items/PushBtn.h"
#include "items/RadioBtn.h"
#include "items/StatText.h"
#include "items/TrimBox.h"
#include "platform/ui/Presenter.h"

namespace itemstest {
namespace {

class ItemsScreenshot : public AppItemsTest {
protected:
    ShortRect Place() const override { return ShortRect{10, 10, 300, 470}; }

    // The window's client area as the screen shows it.
    std::unique_ptr<Surface> ClientPicture() const {
        const ShortRect client = window->GetClientRect();
        const POINT origin = OnScreen(0, 0);
        auto picture = Surface::Create(client.Width(), client.Height());
        const Surface& screen = GetScreenSurface();
        for (int y = 0; y < client.Height(); ++y)
            for (int x = 0; x < client.Width(); ++x)
                picture->SetPixel(x, y, screen.GetPixel(origin.x + x, origin.y + y));
        return picture;
    }
};

ShortRect R(int left, int top, int right, int bottom) {
    return ShortRect::MakeLTRB(left, top, right, bottom);
}

TEST_F(ItemsScreenshot, EachSimpleItemAndButtonKindMatchesTheReferencePicture) {
    ItemTestWindow& w = *window;
    const RGBColor black(0);
    ShortRect r = R(10, 10, 60, 40);
    w.Add<TrimBox>(&r, 0, black, 1, 1, 0, 1);
    r = R(70, 10, 120, 40);
    w.Add<TrimBox>(&r, 0, RGBColor(4), 1, 1, 4, kFrameRaised);
    r = R(130, 10, 180, 40);
    w.Add<TrimBox>(&r, 0, black, 2, 2, 20, kFrameSunken);
    r = R(190, 10, 240, 40);
    w.Add<TrimBox>(&r, 0, black, 4, 4, 0, kFrameEtched);

    r = R(10, 50, 240, 150);
    w.Add<Cluster>(&r, 0, black, "Choices", 0, 12, 0, 0, 4, kFrameEtched);
    const auto button = [&](auto* made) { return made; };
    r = R(20, 72, 120, 92);
    button(w.Add<RadioBtn>("First", 0, &r, 0, black, 0, 0, 0, 12, 0, 0))->SetValue(1, false);
    r = R(20, 97, 120, 117);
    w.Add<RadioBtn>("Second", 0, &r, 0, black, 0, 0, 0, 12, 0, 0);
    r = R(130, 72, 230, 92);
    button(w.Add<CheckBox>("Ticked", 0, &r, 0, black, 0, 0, 3, 10, 0, 0))->SetValue(1, false);
    r = R(130, 97, 230, 117);
    w.Add<CheckBox>("Unticked", 0, &r, TItem::kDisabled, black, 0, 0, 3, 10, 0, 0);

    r = R(10, 160, 240, 176);
    button(w.Add<BarGraph>(&r, RGBColor(4), GetStandardColor(1), 1, 20, kFrameSunken, 0))
        ->SetPercent(40, false);

    r = R(10, 190, 80, 212);
    button(w.Add<PushBtn>("OK", 0, &r, 0, black, 0, 0, 0, 12, 0, 0))->SetDefaultButton(true);
    r = R(90, 190, 160, 212);
    w.Add<PushBtn>("Cancel", 0, &r, 0, black, 0, 0, 0, 12, 0, 0);
    r = R(170, 190, 240, 212);
    w.Add<PushBtn>("Off", 0, &r, TItem::kDisabled, black, 0, 0, 0, 12, 0, 0);

    win::LOGFONTA sans;
    MakeLogFont(sans, 3, 10, 0);
    r = R(250, 10, 430, 26);
    w.Add<StatText>(&r, "Left", 0, black, &sans, 0);
    r = R(250, 30, 430, 46);
    w.Add<StatText>(&r, "Centred", 0, RGBColor(4), &sans, 1);
    r = R(250, 50, 430, 66);
    w.Add<StatText>(&r, "Right", 0, black, &sans, -1);
    r = R(250, 72, 430, 130);
    w.Add<StatText>(&r, "A text too long for one line wraps at the item's width, line under line.", 0, black,
                    &sans, 0);
    r = R(250, 132, 430, 148);
    w.Add<StatText>(&r, "Disabled", TItem::kDisabled, black, &sans, 0);

    auto* graphic = w.Add<GraphBtn>(nullptr, GetStandardColor(1), black, true, false);
    for (int i = 0; i < 3; ++i) {
        graphic->AddButton(0, R(250 + 60 * i, 160, 305 + 60 * i, 184), i == 2 ? "Etched" : "Tool", &sans,
                           GraphBtn::kSunkenBevel, i == 2 ? GraphBtn::kEtchedBevel : GraphBtn::kRaisedBevel,
                           2, black, GetStandardColor(i == 0 ? 9 : 8));
    }
    graphic->SetButtonState(0, 1);

    r = R(250, 192, 430, 240);
    w.Add<Cluster>(&r, 0, black, "", 0, 12, 0, 0, 0, 1);
    window->Open();
    Run();
    CompareWithReference(*ClientPicture(), "items.png");
}

}  // namespace
}  // namespace itemstest
