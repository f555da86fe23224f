// Edit views: their record, the text through the filter and the control, the styles their size and
// flags give, Return and Tab, the edit commands, and the character limit.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ItemWindowFixture.h"
#include "foundation/ByteStream.h"
#include "foundation/ObjectFactory.h"
#include "framework/ItemObjectFactory.h"
#include "framework/MsgEvent.h"
#include "framework/WindowItems.h"
#include "framework/graphics/FontMapping.h"
#include "items/AttachStringConverter.h"
#include "items/EditView.h"
#include "items/ItemClasses.h"
#include "items/StatText.h"
#include "platform/sys/Bell.h"
#include "platform/ui/ClipboardText.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/ScrollBars.h"
#include "platform/ui/VirtualKeys.h"
#include "storymodel/FablecoreStringConverter.h"

namespace {

std::string ControlText(const EditView& field) {
    char buffer[256] = {};
    win::SendMessageA(field.GetHWnd(), win::WM_GETTEXT, sizeof buffer, reinterpret_cast<win::LPARAM>(buffer));
    return buffer;
}

win::LOGFONTA Font(std::int16_t size) {
    win::LOGFONTA font;
    MakeLogFont(font, 3, size, 0);
    return font;
}

TEST(EditViewRecordTest, AStoredFieldReadsAndWritesBackTheSame) {
    // Item 513, id 7, bounds (10, 20, 40, 220), black, no flags, no links; read-only view, units
    // 10 x 10, no insets; multi-line, font 3 at 10 bold, right-aligned, text "Hi".
    const std::vector<std::uint8_t> record = {
        0x02, 0x01, 0x00, 0x07, 0x00, 0x0A, 0x00, 0x14, 0x00, 0x28, 0x00, 0xDC, 0,    0,    0,
        0,    0,    0,    0,    0,    0,    0,    0x00, 0x40, 0x00, 0x0A, 0x00, 0x0A, 0x00, 0x00,
        0x00, 0x00, 0x04, 0x00, 0x00, 0x03, 0x00, 0x0A, 0x01, 0xFF, 0x00, 0x02, 'H',  'i',  0x00};
    ItemList list(nullptr);
    ByteStream in(record);
    ErrCode error = kNoErr;
    EditView field(&list, in, &error);
    ASSERT_EQ(error, kNoErr);
    EXPECT_EQ(field.GetAlignment(), -1);
    EXPECT_FALSE(field.IsEditable());
    EXPECT_TRUE(field.IsMultiLine());
    EXPECT_EQ(field.GetText(), "Hi");
    EXPECT_EQ(GetLogFontStyle(field.GetFont()), 1);
    EXPECT_EQ(field.Bounds(), ShortRect::MakeLTRB(20, 10, 220, 40));
    EXPECT_EQ(field.GetFlattenedSize(), static_cast<std::int32_t>(record.size()));
    ByteStream out;
    ASSERT_EQ(field.WriteTo(out), kNoErr);
    EXPECT_EQ(out.Bytes(), record);
}

TEST(EditViewRecordTest, BothOfTheFieldsIdsReadAsOneClass) {
    RegisterObjectFactory(ItemObjectFactory);
    InstallItemClasses();
    for (const std::uint8_t id : {0x00, 0x01}) {
        const std::vector<std::uint8_t> record = {
            0x02, id, 0x00, 0x01, 0,    0,    0, 0, 0x00, 0x16, 0x00, 0x64, 0,    0,
            0,    0,  0,    0,    0,    0,    0, 0, 0x00, 0x80, 0x00, 0x0A, 0x00, 0x0A,
            0,    0,  0,    0,    0x00, 0x00, 0, 0, 0,    0x0C, 0x00, 0x00, 0x00, 0x00};
        ByteStream in(record);
        ErrCode error = -99;
        std::unique_ptr<TObject> item(MakeObjectByFactory(in, 0x0200 | id, &error, 0));
        ASSERT_EQ(error, kNoErr) << int{id};
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->IsKindOf(EditView::kClassId));
        EXPECT_EQ(static_cast<EditView*>(item.get())->GetText(), "");
    }
    // The framework's dialogs make fields in code.
    ItemList list(nullptr);
    const win::LOGFONTA font = Font(10);
    WindowItem* made = MakeItem(EditView::kClassId, list, ShortRect::MakeLTRB(0, 0, 80, 20), "typed", font);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(list.IndexOf(made), 0);
    EXPECT_EQ(static_cast<EditView*>(made)->GetText(), "typed");
}

TEST(EditViewRecordTest, FieldsAreMadeTallEnoughForTheirFont) {
    ItemList list(nullptr);
    const ShortRect flat = ShortRect::MakeLTRB(0, 0, 100, 5);
    const std::pair<std::int16_t, int> cases[] = {{9, 18}, {10, 20}, {12, 22}, {14, 5}};
    for (const auto& [size, height] : cases) {
        const win::LOGFONTA font = Font(size);
        EXPECT_EQ(EditView(&list, &flat, &font, 0, 0, 0, 0, RGBColor(0), nullptr).Bounds().Height(), height)
            << size;
    }
}

TEST(EditViewRecordTest, TheStyleFollowsTheSizeAndTheFlags) {
    ItemList list(nullptr);
    const win::LOGFONTA font = Font(12);
    auto style = [&](int height, std::uint16_t editFlags, std::uint16_t viewFlags,
                     std::int32_t alignment = 0) {
        const ShortRect bounds = ShortRect::MakeLTRB(0, 0, 100, height);
        return EditView(&list, &bounds, &font, alignment, editFlags, viewFlags, 0, RGBColor(0), nullptr)
            .WindowStyle();
    };
    // Up to twice the point size a field is one line that scrolls sideways.
    EXPECT_EQ(style(24, 0, 0), win::WS_BORDER | win::ES_AUTOHSCROLL);
    EXPECT_EQ(style(25, 0, TView::kVertScrollBar), win::WS_BORDER | win::ES_MULTILINE | win::ES_AUTOVSCROLL |
                                                       win::WS_VSCROLL | win::ES_AUTOHSCROLL);
    EXPECT_EQ(style(25, EditView::kNoAutoHScroll, TView::kNoFrame), win::ES_MULTILINE | win::ES_AUTOVSCROLL);
    EXPECT_EQ(style(24, EditView::kMultiLine, TView::kReadOnly), win::WS_BORDER | win::ES_READONLY |
                                                                     win::ES_MULTILINE | win::ES_AUTOVSCROLL |
                                                                     win::ES_AUTOHSCROLL);
    EXPECT_EQ(style(24, EditView::kUpperCase, TView::kNoFrame, -1),
              win::ES_RIGHT | win::ES_AUTOHSCROLL | win::ES_UPPERCASE);
    EXPECT_EQ(style(24, 0, TView::kNoFrame, 1), win::ES_CENTER | win::ES_AUTOHSCROLL);
}

TEST(EditViewRecordTest, ReturnAndTabAreTypedOnlyWhereTheFieldTakesThem) {
    ItemList list(nullptr);
    auto field = [&](std::uint16_t editFlags, std::uint16_t viewFlags) {
        return std::make_unique<EditView>(&list, nullptr, nullptr, 0, editFlags, viewFlags, 0, RGBColor(0),
                                          nullptr);
    };
    EXPECT_FALSE(field(0, 0)->HandlesReturn());
    EXPECT_TRUE(field(EditView::kMultiLine, 0)->HandlesReturn());
    EXPECT_FALSE(field(EditView::kMultiLine | EditView::kLeavesReturn, 0)->HandlesReturn());
    EXPECT_FALSE(field(EditView::kMultiLine, TView::kReadOnly)->HandlesReturn());
    EXPECT_FALSE(field(EditView::kMultiLine, 0)->HandlesTab());
    EXPECT_TRUE(field(EditView::kMultiLine | EditView::kTypesTab, 0)->HandlesTab());
    EXPECT_FALSE(field(EditView::kTypesTab, 0)->HandlesTab());
    // The window gets the keys the field leaves.
    auto left = field(EditView::kMultiLine | EditView::kLeavesReturn, 0);
    KeyEvent returnKey(nullptr, win::WM_CHAR, '\r', 0);
    EXPECT_FALSE(left->HandleKey(returnKey));
    KeyEvent tab(nullptr, win::WM_CHAR, '\t', 0);
    EXPECT_FALSE(left->HandleKey(tab));
}

class EditViewTest : public itemstest::ItemWindowTest {
protected:
    EditView* Field(std::uint16_t editFlags = 0, int height = 22, std::uint16_t viewFlags = 0,
                    const char* text = nullptr) {
        const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 210, 10 + height);
        return Add(new EditView(list_, &bounds, nullptr, 0, editFlags, viewFlags, 0, RGBColor(0), text));
    }
    static void Type(EditView* field, char character) {
        KeyEvent key(field->GetHWnd(), win::WM_CHAR, static_cast<unsigned char>(character), 0);
        field->HandleKey(key);
    }
};

TEST_F(EditViewTest, TheControlShowsThePlainTextAndTheFieldGivesItBackEscaped) {
    EditView* field = Field();
    field->SetTextFilter(&SharedStringConverter());
    const std::string stored =
        "a \xB0"
        "0b\xB0"
        "1 c";
    field->SetText(stored.c_str(), 0);
    EXPECT_EQ(ControlText(*field), "a {b} c");
    EXPECT_EQ(field->GetText(), stored);
    char buffer[64];
    std::uint32_t size = sizeof buffer;
    field->GetText(buffer, &size);
    EXPECT_EQ(std::string(buffer), stored);
    EXPECT_EQ(size, stored.size());
    EXPECT_EQ(field->GetTextLength(), 7u);
    EXPECT_FALSE(field->IsChanged()) << "text the program puts in is no change";
}

TEST_F(EditViewTest, AttachingTheConverterReachesEveryFieldOfTheWindowAndNothingElse) {
    EditView* first = Field();
    const ShortRect textBounds = ShortRect::MakeLTRB(10, 40, 210, 60);
    auto* label = Add(new StatText(list_, &textBounds, "{label}", 0, RGBColor(0), nullptr, 0));
    EditView* second = Field(EditView::kMultiLine, 80);
    AttachStringConverter(*window_);
    EXPECT_EQ(first->GetTextFilter(), &SharedStringConverter());
    EXPECT_EQ(second->GetTextFilter(), &SharedStringConverter());
    // The fields now decode what they are given; a static text keeps its text as it stands.
    second->SetText(
        "\xB0"
        "2x",
        0);
    EXPECT_EQ(ControlText(*second), "/x");
    EXPECT_STREQ(label->GetText().CStr(), "{label}");

    // A window without items is left alone.
    TWindow empty(nullptr, nullptr, kDialogMode, 0, "empty");
    AttachStringConverter(empty);
    EXPECT_EQ(empty.GetItemList(), nullptr);
}

TEST_F(EditViewTest, EachCarriageReturnAndLineFeedBreaksALine) {
    EditView* field = Field(EditView::kMultiLine, 80);
    field->SetText("a\r\nb", 0);
    EXPECT_EQ(field->GetLineCount(), 3);
    EXPECT_EQ(field->GetText(), "a\n\nb");
    EXPECT_EQ(field->GetTextLength(), 4u);
    char line[16];
    EXPECT_EQ(field->GetLine(2, line, sizeof line), 1);
    EXPECT_STREQ(line, "b");
    EXPECT_EQ(field->GetLineLength(0), 1);
}

TEST_F(EditViewTest, TheTextOutlivesTheWindowWholeWhateverItsLength) {
    EditView* field = Field(EditView::kMultiLine, 80, 0, "kept");
    EXPECT_EQ(ControlText(*field), "kept");
    const std::string longText = std::string(40000, 'x') + "\nend";
    field->SetText(longText.c_str(), 0);
    field->Close();
    EXPECT_EQ(field->GetText(), longText);
    field->Open(list_->IndexOf(field));
    EXPECT_EQ(field->GetText(), longText);
}

TEST_F(EditViewTest, PastedLinesBecomeOneInASingleLineField) {
    EditView* field = Field();
    ASSERT_TRUE(win::detail::PutClipboardText(Host(), "one\r\ntwo"));
    EXPECT_TRUE(field->CanPaste());
    field->Paste();
    EXPECT_EQ(field->GetText(), "one two");
    EXPECT_TRUE(field->IsChanged());
    EXPECT_TRUE(field->CanUndo());
    // Control+V in the control pastes the same way.
    field->SetText("", 0);
    Type(field, '\x16');
    EXPECT_EQ(field->GetText(), "one two");
    field->SetEditable(false);
    field->SetText("", 0);
    win::SendMessageA(field->GetHWnd(), win::WM_PASTE, 0, 0);
    EXPECT_EQ(field->GetText(), "") << "read-only";
}

TEST_F(EditViewTest, TheEditCommandsWorkOnTheSelection) {
    EditView* field = Field(0, 22, 0, "hello world");
    EXPECT_FALSE(field->HasSelection());
    EXPECT_FALSE(field->CanCopy());
    field->SetSelection(0, 6);
    EXPECT_TRUE(field->CanCut());
    field->Copy();
    EXPECT_FALSE(field->IsChanged());
    field->Cut();
    EXPECT_EQ(field->GetText(), "world");
    EXPECT_TRUE(field->IsChanged());
    field->SelectAll();
    std::int32_t start = -1, end = -1;
    field->GetSelection(&start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 5);
    field->Clear();
    EXPECT_EQ(field->GetText(), "");
    field->Undo();
    EXPECT_EQ(field->GetText(), "world");
    // A read-only field offers no change.
    field->SetEditable(false);
    EXPECT_FALSE(field->CanPaste());
    EXPECT_FALSE(field->CanCut());
    EXPECT_TRUE(field->CanCopy());
}

TEST_F(EditViewTest, AFieldThatLeavesReturnDropsTheLineFeedsTypedIntoIt) {
    EditView* left = Field(EditView::kMultiLine | EditView::kLeavesReturn, 80);
    win::SendMessageA(left->GetHWnd(), win::WM_CHAR, '\n', 0);
    EXPECT_EQ(left->GetText(), "");
    EditView* taking = Field(EditView::kMultiLine, 80);
    win::SendMessageA(taking->GetHWnd(), win::WM_CHAR, 'a', 0);
    win::SendMessageA(taking->GetHWnd(), win::WM_CHAR, '\n', 0);
    EXPECT_EQ(taking->GetLineCount(), 2);
}

// A read-only field takes nothing typed, so the lines of the text the program gives it stay lines
// (a field that takes no Return folds only what the user puts in).
TEST_F(EditViewTest, AReadOnlyFieldKeepsTheLinesOfItsText) {
    EditView* shown = Field(EditView::kMultiLine, 80, TView::kReadOnly | TView::kVertScrollBar);
    ASSERT_FALSE(shown->HandlesReturn());
    shown->SetText("first\nsecond", 0);
    while (presenter_.DispatchPending() > 0) {}
    EXPECT_EQ(shown->GetText(), "first\nsecond");
    EXPECT_EQ(shown->GetLineCount(), 2);
}

TEST_F(EditViewTest, TheFocusRingSelectsASingleLineFieldsText) {
    EditView* single = Field(0, 22, 0, "abc");
    single->ShowFocusRing();
    std::int32_t start = -1, end = -1;
    single->GetSelection(&start, &end);
    EXPECT_EQ(end - start, 3);
    EditView* multi = Field(EditView::kMultiLine, 80, 0, "abc");
    multi->SetSelection(1, 1);
    multi->ShowFocusRing();
    multi->GetSelection(&start, &end);
    EXPECT_EQ(end - start, 0);
    EditView* selecting = Field(EditView::kMultiLine | EditView::kSelectAllOnFocus, 80, 0, "abc");
    selecting->ShowFocusRing();
    selecting->GetSelection(&start, &end);
    EXPECT_EQ(end - start, 3);
}

TEST_F(EditViewTest, TheVerticalBarShowsAPageOfTheFieldsLines) {
    EditView* field = Field(EditView::kMultiLine | EditView::kNoAutoHScroll, 103, TView::kVertScrollBar);
    std::string lines;
    for (int i = 0; i < 30; ++i) lines += "line\n";
    field->SetText(lines.c_str(), 0);
    win::SCROLLINFO info;
    info.fMask = win::SIF_ALL;
    win::GetScrollInfo(field->GetHWnd(), win::SB_VERT, &info);
    ShortRect content;
    field->GetContentRect(content);
    EXPECT_EQ(info.nPage, static_cast<win::UINT>((content.Height() - 3) / field->GetUnitSize().y));
    EXPECT_EQ(field->VertUnitCount(), 31);
    // At the end, a line down moves nothing.
    win::SendMessageA(field->GetHWnd(), win::WM_VSCROLL, win::SB_BOTTOM, 0);
    const std::int32_t bottom = field->GetVertScrollValue();
    win::SendMessageA(field->GetHWnd(), win::WM_VSCROLL, win::SB_LINEDOWN, 0);
    EXPECT_EQ(field->GetVertScrollValue(), bottom);
}

TEST_F(EditViewTest, ALimitedFieldRefusesWhatWouldPassItsLimit) {
    const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 210, 32);
    auto* field = Add(new MaxCharEditView(list_, 5, &bounds, nullptr, 0, 0, 0, 0, RGBColor(0), "abcde"));
    // The whole text selected: the letter replaces it.
    field->SelectAll();
    Type(field, 'x');
    EXPECT_EQ(field->GetText(), "x");
    // Full, nothing selected: a beep and no change.
    field->SetText("abcde", 0);
    field->SetSelection(5, 5);
    const unsigned long bells = win::GetBellCount();
    Type(field, 'y');
    EXPECT_EQ(field->GetText(), "abcde");
    EXPECT_EQ(win::GetBellCount(), bells + 1);
    // A paste that overflows is cut, with a beep.
    field->SetText("", 0);
    ASSERT_TRUE(win::detail::PutClipboardText(Host(), "1234567"));
    field->Paste();
    EXPECT_EQ(field->GetText(), "12345");
    EXPECT_EQ(win::GetBellCount(), bells + 2);
}

}  // namespace
