// A field that stops at what its record keeps: its limit counts the text as stored (an escaped
// character takes two bytes), typing past it is refused with a beep, a paste past it is cut where
// the stored text still fits and the writer is told; the control itself holds more than its usual
// 32,000 characters, so that the field's own limit is the one that holds.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ItemWindowFixture.h"
#include "framework/MsgEvent.h"
#include "items/StoredTextField.h"
#include "platform/sys/Bell.h"
#include "platform/ui/ClipboardText.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Prompts.h"
#include "storymodel/FablecoreStringConverter.h"

namespace {

class StoredTextFieldTest : public itemstest::ItemWindowTest {
protected:
    void SetUp() override {
        previous_ = win::SetPromptResponder([this](const win::PromptRequest& request) {
            told.push_back(request.text);
            return std::optional<win::PromptAnswer>(win::PromptAnswer{win::IDOK, {}});
        });
    }
    void TearDown() override { win::SetPromptResponder(std::move(previous_)); }

    StoredTextField* Field(std::uint32_t limit, std::uint16_t editFlags = 0, int height = 22) {
        const ShortRect bounds = ShortRect::MakeLTRB(10, 10, 210, 10 + height);
        auto* field = Add(
            new StoredTextField(list_, limit, &bounds, nullptr, 0, editFlags, 0, 0, RGBColor(0), nullptr));
        field->SetTextFilter(&SharedStringConverter());
        return field;
    }
    static void Type(EditView* field, char character) {
        KeyEvent key(field->GetHWnd(), win::WM_CHAR, static_cast<unsigned char>(character), 0);
        if (!field->HandleKey(key)) win::SendMessageA(field->GetHWnd(), win::WM_CHAR, key.WParam(), 0);
    }
    void Paste(EditView* field, const std::string& text) {
        ASSERT_TRUE(win::detail::PutClipboardText(Host(), text.c_str()));
        field->Paste();
    }
    // The text as the field shows it.
    static std::string Shown(EditView* field) {
        std::vector<char> text(field->GetTextLength() + 1, '\0');
        field->GetRawText(text.data(), static_cast<std::uint32_t>(text.size()));
        return text.data();
    }

    std::vector<std::string> told;

private:
    win::PromptResponder previous_;
};

TEST_F(StoredTextFieldTest, TypingStopsWhereTheStoredTextWouldPassTheLimit) {
    StoredTextField* field = Field(6);
    for (const char c : std::string("ab/c")) Type(field, c);
    EXPECT_EQ(field->GetStoredLength(), 5u) << "the slash is stored in two bytes";
    const unsigned long bells = win::GetBellCount();
    // One byte is left: a slash would take two, a letter fits.
    Type(field, '{');
    Type(field, '\xB0');
    EXPECT_EQ(Shown(field), "ab/c");
    EXPECT_EQ(win::GetBellCount(), bells + 2);
    Type(field, 'd');
    EXPECT_EQ(Shown(field), "ab/cd");
    Type(field, 'e');
    EXPECT_EQ(Shown(field), "ab/cd");
    // A selection is replaced: the slash selected makes room for a brace.
    field->SetSelection(2, 3);
    Type(field, '}');
    EXPECT_EQ(Shown(field), "ab}cd");
    EXPECT_EQ(field->GetText().size(), 6u);
    EXPECT_TRUE(told.empty()) << "a refused key only beeps";
}

TEST_F(StoredTextFieldTest, APasteThatWouldOverflowIsCutAtAWholeCharacterAndTheWriterIsTold) {
    StoredTextField* field = Field(7);
    Paste(field, "a{{{{{{");
    // "a" and three braces take seven bytes; a fourth brace would take two more.
    EXPECT_EQ(Shown(field), "a{{{");
    EXPECT_EQ(field->GetStoredLength(), 7u);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], StoredTextField::CutMessage(4));
    EXPECT_NE(told[0].find("first 4 characters"), std::string::npos) << told[0];
    // A paste that fits is taken whole, without a word.
    field->SetText("", 0);
    Paste(field, "a/b/c");
    EXPECT_EQ(Shown(field), "a/b/c");
    EXPECT_EQ(told.size(), 1u);
}

TEST_F(StoredTextFieldTest, ALongFieldTakesMoreThanTheControlsUsualLimit) {
    StoredTextField* field = Field(40000, EditView::kMultiLine, 80);
    std::string text(34999, 'x');
    text += '\n';
    Paste(field, text);
    EXPECT_EQ(field->GetTextLength(), text.size()) << "kept whole";
    EXPECT_EQ(field->GetStoredLength(), 35000u);
    EXPECT_TRUE(told.empty());
    // Past the limit: cut, and said.
    Paste(field, std::string(5001, 'y'));
    EXPECT_EQ(field->GetStoredLength(), 40000u);
    EXPECT_EQ(told.size(), 1u);
}

TEST_F(StoredTextFieldTest, TheOwnerHearsOfEveryChangeTheWriterMakesButNotOfTheProgramsOwn) {
    StoredTextField* field = Field(5);
    std::vector<std::string> heard;
    field->SetChangeAction([&] { heard.push_back(field->GetText()); });
    field->SetText("ab", 0);
    EXPECT_TRUE(heard.empty());
    field->SetSelection(2, 2);
    Type(field, 'c');
    Paste(field, "////");
    ASSERT_GE(heard.size(), 2u);
    EXPECT_EQ(heard.front(), "abc");
    EXPECT_EQ(heard.back(),
              "abc\xB0"
              "2");
    for (const std::string& text : heard) EXPECT_LE(text.size(), 5u) << "heard once the text was cut";
}

}  // namespace
