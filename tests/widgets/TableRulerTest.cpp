// Margins and the column ruler: the strips the margins take from the table, their objects moving
// with the columns or not, headings drawn and hit, column edges dragged within their limits, and a
// heading that selects its column.

#include <gtest/gtest.h>

#include "TableTestSupport.h"
#include "framework/graphics/FontMapping.h"
#include "platform/gdi/Surface.h"
#include "widgets/TableColumns.h"
#include "widgets/TableRuler.h"

namespace {

using namespace tabletest;

// A heading that counts its drawing and clicks.
class CountedHeading : public TextViewObject {
public:
    CountedHeading(ViewMargin* margin, const LongRect& rect, std::int32_t column)
        : TextViewObject(margin, "H", Font(), 0, 0, rect, column, 0, nullptr, nullptr) {}
    static const win::LOGFONTA& Font() {
        static const win::LOGFONTA font = [] {
            win::LOGFONTA made;
            MakeLogFont(made, 3, 9, 0);
            return made;
        }();
        return font;
    }
    void Draw(TGraphEnv& env, std::int32_t x, std::int32_t y, const ShortRect& update) override {
        ++draws;
        TextViewObject::Draw(env, x, y, update);
    }
    std::int16_t MouseDown(const MsgEvent&, ShortPoint, std::int16_t) override {
        ++clicks;
        return 1;
    }
    int draws = 0;
    int clicks = 0;
};

class CountingRuler : public TableRuler {
public:
    using TableRuler::TableRuler;
    void MakeHeading(std::int32_t column, const LongRect& rect) override {
        AddViewObject(new CountedHeading(this, rect, column));
    }
    CountedHeading* Heading(int i) const { return static_cast<CountedHeading*>(GetHeading(i)); }
};

class SelectingRuler : public TableRuler {
public:
    using TableRuler::TableRuler;
    void MakeHeading(std::int32_t column, const LongRect& rect) override {
        AddViewObject(new ColumnSelectHeading(this, "Col", CountedHeading::Font(), 1, 0, rect, column,
                                              kViewObjectCursorArea, nullptr, nullptr));
    }
};

class TableRulerTest : public TableTest {
protected:
    // Columns 100, 0 (zero wide), 60 and 80, the first three resizable; a ruler of counted headings.
    CountingRuler* Ruled(std::uint16_t marginFlags = kMarginTop | kMarginScrollsHorz) {
        table = AddTable(0);
        Fill(table, 12, {100, 0, 60, 80});
        ruler = new CountingRuler(table->GetRow(0), 18, 0, marginFlags, kRulerBottomLine | kRulerSeparators,
                                  RGBColor(8));
        ruler->BuildHeadings(nullptr);
        table->SetMargin(0, ruler);
        table->GetColumns().SetColumnInfo(0, kColumnResizable, 50, 150, kColumnKindCursor);
        table->GetColumns().SetColumnInfo(2, kColumnResizable, 20, 200, kColumnKindCursor);
        Show();
        return ruler;
    }
    // The ruler's y in the window and the edge's x.
    int RulerY() const { return ruler->GetBounds().top + 9; }
    int EdgeX(int column) const {
        std::int32_t originX = 0;
        table->GetOrigin(&originX, nullptr);
        return originX + table->GetColumns().GetRightEdge(column);
    }

    TTable* table = nullptr;
    CountingRuler* ruler = nullptr;
};

TEST_F(TableRulerTest, ATopMarginTakesTheTablesTopStrip) {
    Ruled();
    EXPECT_EQ(table->GetVertInset(), 18);
    EXPECT_TRUE(table->HasViewFlags(TView::kTopBandScrolls));
    ShortRect content;
    table->GetContentRect(content);
    EXPECT_EQ(ruler->GetBounds(), ShortRect::MakeLTRB(content.left, content.top, content.right, content.top + 18));
    EXPECT_EQ(table->DataRect().top, content.top + 18);
    EXPECT_EQ(ruler->HeadingCount(), 4);
    EXPECT_EQ(ruler->GetHeading(2)->GetRect(), (LongRect{100, 0, 160, 18})) << "lined up with the row's cells";
}

TEST_F(TableRulerTest, LeftAndCornerMarginsTakeTheirOwnPlaces) {
    TTable* plain = AddTable(0, 0, ShortRect::MakeLTRB(10, 10, 210, 110));
    ViewMargin left(plain, 10, 30, kMarginLeft | kMarginScrollsVert);
    EXPECT_EQ(plain->GetHorzInset(), 30);
    EXPECT_TRUE(plain->HasViewFlags(TView::kLeftBandScrolls));
    EXPECT_EQ(left.GetBounds(), ShortRect::MakeLTRB(11, 21, 41, 109));
    ViewMargin corner(plain, 10, 30, kMarginCorner);
    EXPECT_EQ(corner.GetBounds(), ShortRect::MakeLTRB(11, 11, 41, 21));
    EXPECT_EQ(plain->GetVertInset(), 0) << "a corner box takes no inset";
}

TEST_F(TableRulerTest, ObjectsOfAScrollingStripMoveWithTheColumns) {
    Ruled();
    ShortRect before, after;
    ruler->GetHeading(3)->GetViewRect(before);
    table->SetStyle(kTableScrollToLastColumn);
    table->UpdateScrollExtent();
    table->ScrollTo(0, 2, 1);
    Run();
    ruler->GetHeading(3)->GetViewRect(after);
    EXPECT_EQ(after.left, before.left - 100) << "the first two columns scrolled out";
    // A strip that stays in place keeps its objects where they were.
    ViewMargin fixed(table, 18, 0, kMarginTop);
    const LongRect rect{160, 0, 240, 18};
    ShortRect view;
    fixed.DocToMarginRect(rect, view);
    EXPECT_EQ(view.left, fixed.GetBounds().left + 160);
    LongRect back;
    fixed.MarginToDocRect(view, back);
    EXPECT_EQ(back, rect);
}

TEST_F(TableRulerTest, EmptyHeadingsAreNotDrawnAndTheLastHasNoSeparator) {
    Ruled();
    EXPECT_GE(ruler->Heading(0)->draws, 1);
    EXPECT_EQ(ruler->Heading(1)->draws, 0) << "zero wide";
    const int y = ruler->GetBounds().top + 1;
    POINT origin{0, 0};
    ClientToScreen(window->GetHWnd(), &origin);
    const Surface& screen = GetScreenSurface();
    EXPECT_EQ(screen.GetPixel(origin.x + EdgeX(0), origin.y + y), RGB(0, 0, 0)) << "a separator";
    EXPECT_NE(screen.GetPixel(origin.x + EdgeX(3), origin.y + y), RGB(0, 0, 0)) << "none after the last";
    EXPECT_EQ(screen.GetPixel(origin.x + EdgeX(0) - 3, origin.y + ruler->GetBounds().bottom - 1), RGB(0, 0, 0))
        << "the bottom line";
}

TEST_F(TableRulerTest, AnEdgeWithinAPixelIsDraggedTwoPixelsAwayTheHeadingIsClicked) {
    Ruled();
    for (int dx : {-1, 1}) {
        const int width = table->GetColumns().GetWidth(0);
        Script({[&] { presenter.MoveMouse(OnScreen(EdgeX(0) + dx + 20, RulerY())); }, [&] { presenter.ButtonUp(); }});
        presenter.MoveMouse(OnScreen(EdgeX(0) + dx, RulerY()));
        presenter.ButtonDown();
        Run();
        EXPECT_EQ(table->GetColumns().GetWidth(0), width + 20) << dx;
        EXPECT_EQ(Cell(table, 5, 0)->GetWidth(), width + 20) << "the cells follow";
        EXPECT_EQ(ruler->GetHeading(0)->GetRect().right, width + 20) << "the headings are built again";
        presenter.Advance(2000);
    }
    EXPECT_EQ(ruler->Heading(0)->clicks, 0);
    ClickWith(OnScreen(EdgeX(0) - 2, RulerY()), {});
    EXPECT_EQ(ruler->Heading(0)->clicks, 1);
}

TEST_F(TableRulerTest, AnEdgeIsDraggedNoFurtherThanItsColumnsLimits) {
    Ruled();
    Script({[&] { presenter.MoveMouse(OnScreen(EdgeX(0) + 120, RulerY())); }, [&] { presenter.ButtonUp(); }});
    presenter.MoveMouse(OnScreen(EdgeX(0), RulerY()));
    presenter.ButtonDown();
    Run();
    EXPECT_EQ(table->GetColumns().GetWidth(0), 150) << "the largest width";
    presenter.Advance(2000);
    Script({[&] { presenter.MoveMouse(OnScreen(EdgeX(0) - 300, RulerY())); }, [&] { presenter.ButtonUp(); }});
    presenter.MoveMouse(OnScreen(EdgeX(0), RulerY()));
    presenter.ButtonDown();
    Run();
    EXPECT_EQ(table->GetColumns().GetWidth(0), 150) << "let go outside the table: no change";
}

TEST_F(TableRulerTest, AFixedColumnsEdgeIsNotDragged) {
    Ruled();
    const int width = table->GetColumns().GetWidth(3);
    Script({[&] { presenter.MoveMouse(OnScreen(EdgeX(3) - 20, RulerY())); }, [&] { presenter.ButtonUp(); }});
    presenter.MoveMouse(OnScreen(EdgeX(3), RulerY()));
    presenter.ButtonDown();
    Run();
    EXPECT_EQ(table->GetColumns().GetWidth(3), width);
    EXPECT_EQ(ruler->Heading(3)->clicks, 0) << "nor handed to the heading";
}

TEST_F(TableRulerTest, AColumnHeadingSelectsItsColumn) {
    table = AddTable(kTableCursorRegions);
    Fill(table, 6, {80, 80});
    auto* selecting =
        new SelectingRuler(table->GetRow(0), 18, 0, kMarginTop | kMarginScrollsHorz, kRulerBottomLine, RGBColor(8));
    selecting->BuildHeadings(nullptr);
    table->SetMargin(0, selecting);
    Show();
    EXPECT_TRUE(selecting->HasFlags(kMarginHasCursorAreas)) << "its headings set a cursor";
    ShortRect heading;
    selecting->GetHeading(1)->GetViewRect(heading);
    ClickWith(OnScreen(heading.left + 20, heading.top + 5), {});
    EXPECT_EQ(Selected(*table), (std::vector<std::string>{"r0c1", "r1c1", "r2c1", "r3c1", "r4c1", "r5c1"}));
    EXPECT_EQ(table->GetSelectList().GetSelectedColumn(), 1);
}

}  // namespace
