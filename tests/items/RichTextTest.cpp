// Rich edit items and the rich text view: styled text loaded as the control's formats, line ends,
// malformed codes, the font's point size, text appended with bold switched on and off, and the
// edit commands of an editable control and a read-only view.

#include <gtest/gtest.h>

#include <string>

#include "ItemWindowFixture.h"
#include "WrapTestSupport.h"
#include "foundation/pfm/PFM.h"
#include "framework/TDoc.h"
#include "framework/graphics/FontMapping.h"
#include "items/RichEdit.h"
#include "items/RichTextView.h"
#include "platform/ui/ClipboardText.h"
#include "platform/ui/RichEditControl.h"
#include "storymodel/StoryStandIn.h"

namespace {

using wraptest::Code;
using wraptest::Margins;

std::string RichControlText(const RichEdit& item) {
    char buffer[512] = {};
    win::SendMessageA(item.GetHWnd(), win::WM_GETTEXT, sizeof buffer, reinterpret_cast<win::LPARAM>(buffer));
    return buffer;
}

// The format the characters [start, end) agree on; the selection is put back after.
win::CHARFORMATA FormatOf(RichEdit& item, std::int32_t start, std::int32_t end) {
    std::int32_t from = 0, to = 0;
    item.GetSelection(&from, &to);
    item.SetSelection(start, end);
    win::CHARFORMATA format;
    win::SendMessageA(item.GetHWnd(), win::EM_GETCHARFORMAT, win::TRUE,
                      reinterpret_cast<win::LPARAM>(&format));
    item.SetSelection(from, to);
    return format;
}

bool IsBold(RichEdit& item, std::int32_t start, std::int32_t end) {
    const win::CHARFORMATA format = FormatOf(item, start, end);
    EXPECT_TRUE(format.dwMask & win::CFM_BOLD) << "the range agrees on its weight";
    return (format.dwEffects & win::CFE_BOLD) != 0;
}

win::PARAFORMAT ParagraphAt(RichEdit& item, std::int32_t position) {
    item.SetSelection(position, position);
    win::PARAFORMAT format;
    win::SendMessageA(item.GetHWnd(), win::EM_GETPARAFORMAT, 0, reinterpret_cast<win::LPARAM>(&format));
    return format;
}

win::DWORD StyleOf(const TItem& item) {
    return static_cast<win::DWORD>(win::GetWindowLongPtrA(item.GetHWnd(), win::GWL_STYLE));
}

class RichTextTest : public itemstest::ItemWindowTest {
protected:
    RichTextView* View() {
        const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 300, 200);
        return Add(new RichTextView(nullptr, nullptr, list_, 0, &bounds, 0, RGBColor(0)));
    }
    RichEdit* Editable() {
        const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 300, 200);
        return Add(new RichEdit(list_, &bounds, 0, RGBColor(0)));
    }
};

TEST_F(RichTextTest, ABoldCodeMakesTheWordBetweenItsCodesBold) {
    RichTextView* view = View();
    view->SetStyledText(("plain " + Code("B+") + "bold" + Code("B-") + " rest").c_str());
    ASSERT_EQ(RichControlText(*view), "plain bold rest");
    EXPECT_FALSE(IsBold(*view, 0, 6));
    EXPECT_TRUE(IsBold(*view, 6, 10));
    EXPECT_FALSE(IsBold(*view, 10, 15));

    // Italic and underline the same way; a code's trailing bytes do not count.
    view->SetStyledText(("a" + Code("I+x") + "b" + Code("U+") + "c" + Code("I-") + Code("U-") + "d").c_str());
    ASSERT_EQ(RichControlText(*view), "abcd");
    auto effects = [&](int at) { return FormatOf(*view, at, at + 1).dwEffects & 7; };
    EXPECT_EQ(effects(0), 0u);
    EXPECT_EQ(effects(1), win::CFE_ITALIC);
    EXPECT_EQ(effects(2), win::CFE_ITALIC | win::CFE_UNDERLINE);
    EXPECT_EQ(effects(3), 0u);
    // The caret waits at the start.
    std::int32_t start = -1, end = -1;
    view->GetSelection(&start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 0);
}

TEST_F(RichTextTest, AMarginCodeIndentsItsParagraphInTwips) {
    RichTextView* view = View();
    view->SetStyledText(("first paragraph\n" + Margins(10, 30, 5) + "hanging paragraph").c_str());
    ASSERT_EQ(RichControlText(*view), "first paragraph\r\nhanging paragraph");
    const win::PARAFORMAT hanging = ParagraphAt(*view, 20);
    EXPECT_EQ(hanging.dxStartIndent, 200) << "the first line 10 points in";
    EXPECT_EQ(hanging.dxStartIndent + hanging.dxOffset, 600) << "the other lines 30 points in";
    EXPECT_EQ(hanging.dxRightIndent, 100);
    const win::PARAFORMAT first = ParagraphAt(*view, 3);
    EXPECT_EQ(first.dxStartIndent, 0);
    EXPECT_EQ(first.dxOffset, 0);
    EXPECT_EQ(first.dxRightIndent, 0);

    // A new text starts without indents.
    view->SetStyledText("again");
    EXPECT_EQ(ParagraphAt(*view, 2).dxStartIndent, 0);
}

TEST_F(RichTextTest, CodesThatAreNotWellFormedAreShownAsTheirBytes) {
    RichTextView* view = View();
    const std::string unknown = Code("Q+");  // closed, but no style
    const std::string badSign = Code("B*");  // malformed
    const std::string badMargin = Code("M(1,2)");
    const std::string unclosed =
        "\xC7"
        "B+";  // no closing byte
    view->SetStyledText(("a" + unknown + "b" + badSign + "c" + badMargin + "d" + unclosed).c_str());
    EXPECT_EQ(RichControlText(*view), "a" + unknown + "b" + badSign + "c" + badMargin + "d" + unclosed);
    EXPECT_FALSE(IsBold(*view, 0, static_cast<std::int32_t>(RichControlText(*view).size())));
}

TEST_F(RichTextTest, EveryLineEndBecomesACarriageReturnAndLineFeed) {
    RichTextView* view = View();
    view->SetStyledText("a\nb\rc\r\nd");
    EXPECT_EQ(RichControlText(*view), "a\r\nb\r\nc\r\n\r\nd");
}

TEST_F(RichTextTest, TheFontGivesTheTextsFirstFormat) {
    RichTextView* view = View();
    EXPECT_EQ(view->GetPointSize(), 9);
    win::LOGFONTA font;
    MakeLogFontByName(font, "Times New Roman", -12, kStyleBold | kStyleUnderline);
    view->SetFont(font);
    EXPECT_EQ(view->GetPointSize(), 9) << "12 pixels on a 96-dpi screen";
    view->SetStyledText(("Title" + Code("B-") + " body").c_str());
    const win::CHARFORMATA title = FormatOf(*view, 0, 5);
    EXPECT_EQ(title.yHeight, 180);
    EXPECT_STREQ(title.szFaceName, "Times New Roman");
    EXPECT_EQ(title.dwEffects & 7, win::CFE_BOLD | win::CFE_UNDERLINE);
    EXPECT_EQ(FormatOf(*view, 6, 10).dwEffects & 7, win::CFE_UNDERLINE);

    // A height of 0 or more is taken as the point size itself.
    font.lfHeight = 14;
    view->SetFont(font);
    EXPECT_EQ(view->GetPointSize(), 14);
}

TEST_F(RichTextTest, TemplatesAreDecodedBeforeTheyAreShown) {
    RichTextView* view = View();
    view->SetText(
        "\xB0"
        "0x\xB0"
        "1");
    EXPECT_EQ(RichControlText(*view), "{x}");
    view->ExpandAndSetText(("\xB0"
                            "4" +
                            Code("B+") + "y")
                               .c_str());
    EXPECT_EQ(RichControlText(*view), "\xC7y") << "an escaped code byte is text, a code is a format";
    EXPECT_TRUE(IsBold(*view, 1, 2));
}

// A story document of the framework over an untitled store of its own.
class StoreHolder {
public:
    PFMFile* const store = PFMOpenFile(nullptr);
    ~StoreHolder() { PFMCloseFile(store); }
};
class StoryDocument : private StoreHolder, public TDoc, public StandInStory {
public:
    StoryDocument() : TDoc(nullptr), StandInStory(store) {}
};

TEST_F(RichTextTest, TemplatesAreExpandedForTheStoryOfTheItemsWindow) {
    StoryDocument story;
    story.GetInfoRecord().SetEntry("Title", kPTextText, "The Voyage");
    story.GetStorytellingRecord().SetEntry("STcon", kPTextText, "the opening");
    itemstest::HostWindow storyWindow(300, 200, &story);
    const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 290, 190);
    auto* view = new RichTextView(nullptr, nullptr, storyWindow.Items(), 0, &bounds, 0, RGBColor(0));
    view->Open(storyWindow.Items()->Append(view));
    view->SetText("{SDI(Title)}: {STF(STcon)}");
    ASSERT_EQ(RichControlText(*view), "The Voyage: the opening");
    EXPECT_TRUE(FormatOf(*view, 12, 23).dwEffects & win::CFE_ITALIC);
    EXPECT_FALSE(FormatOf(*view, 0, 10).dwEffects & win::CFE_ITALIC);

    // Without a story the macros have nothing to name.
    RichTextView* storyless = View();
    storyless->SetText("{SDI(Title)}");
    EXPECT_EQ(RichControlText(*storyless), "<Not Available>");
}

TEST_F(RichTextTest, TextSetBeforeTheWindowIsShownOnceItIsMade) {
    const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 300, 200);
    auto* view = new RichTextView(nullptr, nullptr, list_, 0, &bounds, 0, RGBColor(0));
    view->SetStyledText((Code("B+") + "early").c_str());
    Add(view);
    EXPECT_EQ(RichControlText(*view), "early");
    EXPECT_TRUE(IsBold(*view, 0, 5));
    EXPECT_TRUE(win::IsWindowVisible(view->GetHWnd()));
}

TEST_F(RichTextTest, AppendedTextTakesTheBoldSetBeforeIt) {
    RichTextView* view = View();
    view->SetStyledText("");
    view->SetBold(true);
    view->AppendText("Parent:  Name");
    view->AppendText("\n");
    view->SetBold(false);
    view->AppendText("what it means\n\n");
    ASSERT_EQ(RichControlText(*view), "Parent:  Name\r\nwhat it means\r\n\r\n");
    EXPECT_TRUE(IsBold(*view, 0, 13));
    EXPECT_FALSE(IsBold(*view, 15, 28));
    std::int32_t start = 0, end = 0;
    view->GetSelection(&start, &end);
    EXPECT_EQ(start, 32) << "the caret stays at the end";
}

TEST_F(RichTextTest, AReadOnlyViewRefusesChangesButCopiesAndSelects) {
    RichTextView* view = View();
    view->SetStyledText("keep this text");
    EXPECT_TRUE(StyleOf(*view) & win::ES_READONLY);
    EXPECT_FALSE(view->IsEditable());
    ASSERT_TRUE(win::detail::PutClipboardText(Host(), "pasted"));

    view->SelectAll();
    std::int32_t start = -1, end = -1;
    view->GetSelection(&start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 14);
    EXPECT_TRUE(view->CanSelectAll());
    EXPECT_TRUE(view->CanCopy());
    EXPECT_FALSE(view->CanCut());
    EXPECT_FALSE(view->CanPaste());
    EXPECT_FALSE(view->CanClear());

    view->SetSelection(5, 9);
    view->Copy();
    EXPECT_EQ(win::detail::GetClipboardText(Host()), "this");
    view->Cut();
    view->Paste();
    view->Clear();
    EXPECT_EQ(RichControlText(*view), "keep this text");
    EXPECT_FALSE(view->IsChanged());
    EXPECT_FALSE(view->CanUndo());
}

TEST_F(RichTextTest, AnEditableControlChangesAndMarksItselfChanged) {
    RichEdit* edit = Editable();
    EXPECT_EQ(StyleOf(*edit) & (win::ES_READONLY | win::ES_MULTILINE | win::ES_AUTOVSCROLL | win::ES_SAVESEL |
                                win::WS_VSCROLL | win::WS_TABSTOP),
              win::ES_MULTILINE | win::ES_AUTOVSCROLL | win::ES_SAVESEL | win::WS_VSCROLL | win::WS_TABSTOP);
    EXPECT_TRUE(win::GetWindowLongPtrA(edit->GetHWnd(), win::GWL_EXSTYLE) & win::WS_EX_CLIENTEDGE);
    EXPECT_EQ(win::GetDlgCtrlID(edit->GetHWnd()), list_->IndexOf(edit) + 100);

    edit->AppendText("one two");
    EXPECT_FALSE(edit->CanUndo());
    EXPECT_FALSE(edit->HasSelection());
    edit->SetSelection(3, 7);
    EXPECT_TRUE(edit->CanCut());
    edit->Cut();
    EXPECT_EQ(RichControlText(*edit), "one");
    EXPECT_TRUE(edit->IsChanged());
    EXPECT_TRUE(edit->CanUndo());
    EXPECT_EQ(win::detail::GetClipboardText(Host()), " two");
    EXPECT_TRUE(edit->CanPaste());
    edit->SetSelection(0, 0);
    edit->Paste();
    EXPECT_EQ(RichControlText(*edit), " twoone");
    edit->SelectAll();
    edit->Clear();
    EXPECT_EQ(RichControlText(*edit), "");
    edit->Undo();
    EXPECT_EQ(RichControlText(*edit), " twoone");
}

TEST_F(RichTextTest, FormatsAreSetAtTheSelection) {
    RichEdit* edit = Editable();
    edit->AppendText("some words here");
    const win::CHARFORMATA before = FormatOf(*edit, 0, 15);
    edit->SetSelection(5, 10);
    edit->SetBold(true);
    edit->SetItalic(true);
    edit->SetUnderline(true);
    edit->SetFaceName("Courier New");
    edit->SetPointSize(15);
    const win::CHARFORMATA words = FormatOf(*edit, 5, 10);
    EXPECT_EQ(words.dwEffects & 7, win::CFE_BOLD | win::CFE_ITALIC | win::CFE_UNDERLINE);
    EXPECT_EQ(words.yHeight, 300);
    EXPECT_STREQ(words.szFaceName, "Courier New");
    for (const std::int32_t start : {0, 11}) {
        const win::CHARFORMATA untouched = FormatOf(*edit, start, start + 4);
        EXPECT_EQ(untouched.dwEffects & 7, before.dwEffects & 7);
        EXPECT_EQ(untouched.yHeight, before.yHeight);
        EXPECT_STREQ(untouched.szFaceName, before.szFaceName);
    }
    edit->SetItalic(false);
    EXPECT_EQ(FormatOf(*edit, 5, 10).dwEffects & 7, win::CFE_BOLD | win::CFE_UNDERLINE);
}

TEST_F(RichTextTest, MovingKeepsTheControlShownUnlessTheItemIsHidden) {
    RichEdit* edit = Editable();
    edit->SetBounds(ShortRect::MakeLTRB(20, 30, 200, 130), true);
    EXPECT_EQ(edit->Bounds(), ShortRect::MakeLTRB(20, 30, 200, 130));
    EXPECT_TRUE(win::IsWindowVisible(edit->GetHWnd()));

    edit->Hide();
    edit->SetBounds(ShortRect::MakeLTRB(40, 30, 200, 130), true);
    EXPECT_FALSE(win::IsWindowVisible(edit->GetHWnd()));
}

TEST(RichTextIdsTest, TheViewIsARichEditOfItsOwnClass) {
    ItemList list(nullptr);
    RichTextView view(nullptr, nullptr, &list, 0, nullptr, 0, RGBColor(0));
    RichEdit edit(&list, nullptr, 0, RGBColor(0));
    EXPECT_EQ(view.GetClassId(), 1537);
    EXPECT_TRUE(view.IsKindOf(520));
    EXPECT_EQ(edit.GetClassId(), 520);
    EXPECT_FALSE(edit.IsKindOf(1537));
    EXPECT_EQ(std::string(edit.GetClassName()), "RICHEDIT");
    // Without a window nothing acts and nothing breaks.
    EXPECT_FALSE(edit.HasSelection());
    edit.Cut();
    edit.SetBold(true);
    edit.AppendText("x");
    EXPECT_FALSE(edit.IsChanged());
    EXPECT_FALSE(edit.CanUndo());
}

}  // namespace
