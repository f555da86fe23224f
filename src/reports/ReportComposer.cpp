// The output text of the reports and the composition rules every section builder follows.

#include "reports/ReportComposer.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <string_view>

#include "foundation/pfm/PText.h"
#include "framework/graphics/FontMapping.h"
#include "reports/ReportConditions.h"
#include "reports/ReportTemplates.h"
#include "reports/ReportText.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/engine/IStoryForm.h"
#include "storymodel/engine/SettledStoryForm.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

// The text of each style, in the order of ReportStyle.
const std::string& StyleText(ReportStyle style) {
    static const std::array<std::string, 12> kTexts = {
        StyleCodeText("B+"),
        StyleCodeText("B-"),
        StyleCodeText("U+"),
        StyleCodeText("U-"),
        StyleCodeText("I+"),
        StyleCodeText("I-"),
        "\n\n",
        "\n",
        StyleCodeText("M(0,0,0)"),
        StyleCodeText("M(10,30,0)"),
        StyleCodeText("M(30,30,0)"),
        StyleCodeText("M(40,40,0)"),
    };
    return kTexts[static_cast<std::size_t>(style)];
}

// The records of the closing notes that begin with a paragraph end.
bool NotesBeginWithBreak(std::int16_t record) { return record != 1070 && record != 1074; }

std::unique_ptr<SettledStoryForm> SettledViewOf(IStoryForm* storyForm) {
    auto* manager = dynamic_cast<StoryFormManager*>(storyForm);
    return manager ? std::make_unique<SettledStoryForm>(*manager) : nullptr;
}

}  // namespace

ReportComposer::ReportComposer(IOutlineWindow* owner, IStoryDocument* document, IStoryForm* storyForm,
                               SceneManager* scenes)
    : owner_(owner),
      document_(document),
      settledForm_(SettledViewOf(storyForm)),
      storyForm_(settledForm_ ? settledForm_.get() : storyForm),
      scenes_(scenes),
      templates_(std::make_unique<DataFileTemplates>()),
      workBuffers_(std::make_unique<char[]>(2 * kWorkBufferSize)),
      output_(nullptr, kGrowthIncrement) {
    ReserveOutput();
}

ReportComposer::~ReportComposer() = default;

void ReportComposer::SetReportTemplates(std::unique_ptr<IReportTemplates> templates) {
    templates_ = templates ? std::move(templates) : std::make_unique<DataFileTemplates>();
}

IReportTemplates& ReportComposer::Templates() { return *templates_; }

CharacterManager* ReportComposer::GetCharacterManager() const {
    return document_ ? document_->GetCharacterManager() : nullptr;
}

win::LOGFONTA ReportComposer::GetPrintableFont() const {
    // The report view's default font.
    constexpr std::int16_t kFontNumber = 5, kFontSize = 10;
    win::LOGFONTA font;
    MakeLogFont(font, kFontNumber, kFontSize, 0);
    return font;
}

void ReportComposer::AddPrintable(PrintablePtr /*printable*/, const char* text) {
    if (text) AppendText(ExpandReportMacros(document_, text, &vocabulary_).c_str());
}

void ReportComposer::ResetText() {
    output_.Clear();
    if (output_.Capacity() > kMinimumCapacity) output_.SetCapacity(kMinimumCapacity - 1);
}

void ReportComposer::ReserveOutput() {
    if (output_.Capacity() < kMinimumCapacity) output_.SetCapacity(kMinimumCapacity - 1);
}

void ReportComposer::AppendText(const char* text) {
    if (!text || !*text) return;
    // A line ends without the blanks left after a sentence for the one that would have followed.
    if (*text == '\n') {
        std::uint32_t length = output_.Length();
        while (length > 0 && output_.CStr()[length - 1] == ' ') --length;
        CutText(length);
    }
    output_.Append(text);
}

void ReportComposer::ReplaceText(const char* text) { output_.Assign(text); }

void ReportComposer::CutText(std::uint32_t length) {
    if (length < output_.Length()) output_.Assign(length, output_.CStr());
}

void ReportComposer::SetReportTitle(const char* title) {
    std::snprintf(title_, sizeof title_, "%s", title ? title : "");
}

void ReportComposer::AppendFormatted(const char* format, ...) {
    char* buffer = WorkBuffer(1);
    std::va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, kWorkBufferSize, format, arguments);
    va_end(arguments);
    AppendText(buffer);
}

void ReportComposer::AppendStyleCode(ReportStyle style) { AppendText(StyleText(style).c_str()); }

void ReportComposer::AppendHeading(const char* text) {
    AppendStyleCode(ReportStyle::kUnderlineOn);
    AppendStyleCode(ReportStyle::kBoldOn);
    AppendText(text);
    AppendStyleCode(ReportStyle::kBoldOff);
    AppendStyleCode(ReportStyle::kUnderlineOff);
    AppendStyleCode(ReportStyle::kParagraphEnd);
}

void ReportComposer::AppendRule(std::int16_t count) {
    AppendStyleCode(ReportStyle::kLineEnd);
    if (count > 0) AppendText(std::string(static_cast<std::size_t>(count), '_').c_str());
    AppendStyleCode(ReportStyle::kLineEnd);
}

bool ReportComposer::HasStoryPoint(const char* key) const {
    return showStorytelling_ && document_ && key && document_->GetStorytellingRecord().GetValueSize(key) > 0;
}

std::int16_t ReportComposer::AppendStoryPoint(const char* key, const char* fallback, bool continues) {
    if (!HasStoryPoint(key)) {
        AppendText(fallback);
        return showStorytelling_;
    }
    const std::string block = ":\n\n" + StyleCodeText("M(40,40,40)") + "{STF(" + key + ")}\n\n" +
                              StyleCodeText("M(0,0,0)") + (continues ? "..." : "");
    AppendText(block.c_str());
    return showStorytelling_;
}

void ReportComposer::AppendTemplatePair(std::int16_t record) {
    Section notes(*this, record);
    if (NotesBeginWithBreak(record)) AppendStyleCode(ReportStyle::kParagraphEnd);
    notes.Key(1);
    AppendStyleCode(ReportStyle::kParagraphEnd);
    notes.Key(2);
    AppendStyleCode(ReportStyle::kParagraphEnd);
}

void ReportComposer::AppendClosingNotes(std::initializer_list<std::int16_t> records) {
    if (!showStorytelling_) return;
    AppendRule(kRuleLength);
    for (const std::int16_t record : records) AppendTemplatePair(record);
}

int ReportComposer::AppendTemplateText(std::int16_t record) {
    Section section(*this, record);
    char key[16];
    int n = 1;
    for (;; ++n) {
        std::snprintf(key, sizeof key, "S%d", n);
        if (!section.AppendKey(key)) break;
    }
    return n - 1;
}

void ReportComposer::AppendMargins(int left, int right, int first) {
    char command[40];
    std::snprintf(command, sizeof command, "M(%d,%d,%d)", left, right, first);
    AppendText(StyleCodeText(command).c_str());
}

bool ReportComposer::IsPointChosen(std::string_view code) const {
    // The impact character's resolve is the other value of the main character's.
    if (code == "OCResolve" || code == "ResOC") code = "Resolve";
    const int index = StoryPointIndexForCode(std::string(code).c_str());
    // 0 is no choice, -1 more than one.
    return index >= 0 && PointValueAt(index) > 0;
}

std::int16_t ReportComposer::PointValueAt(int index) const {
    if (document_) return document_->GetSettledStoryPointValue(index);
    return storyForm_ ? storyForm_->GetValueAt(index) : 0;
}

StoryFormManager* ReportComposer::GetStoryFormManager() const {
    return settledForm_ ? &settledForm_->GetStoryFormManager() : nullptr;
}

std::string ReportComposer::ValueOr(const char* code, const char* unchosen) const {
    return IsPointChosen(code) ? std::string("{SNF(") + code + ")}" : std::string(unchosen);
}

bool ReportComposer::IsCharacterNamed(bool main) const {
    const CharacterManager* characters = GetCharacterManager();
    if (!characters) return false;
    const CharID id = main ? characters->GetMainCharacter() : characters->GetImpactCharacter();
    return characters->HasCharacter(id) && !HasNoNameYet(id);
}

bool ReportComposer::HasNoNameYet(CharID id) const {
    const CharacterManager* characters = GetCharacterManager();
    const CharInfoRec* character = characters ? characters->RecordAt(characters->IndexOf(id)) : nullptr;
    if (!character) return false;
    const std::string& name = character->Name();
    if (!CharInfoRec::IsName(name)) return true;
    if (id == characters->GetMainCharacter()) return name == CharacterManager::PlaceholderName(true);
    return id == characters->GetImpactCharacter() && name == CharacterManager::PlaceholderName(false);
}

std::vector<CharID> ReportComposer::CharactersInReportOrder() const {
    std::vector<CharID> ids;
    const CharacterManager* characters = GetCharacterManager();
    if (!characters) return ids;
    for (std::int32_t position = 0; position < characters->GetCount(); ++position)
        ids.push_back(characters->IdAt(position));
    const auto main = std::ranges::find(ids, characters->GetMainCharacter());
    const auto impact = std::ranges::find(ids, characters->GetImpactCharacter());
    if (main != ids.end() && impact < main && HasNoNameYet(*main) && HasNoNameYet(*impact))
        std::iter_swap(main, impact);
    return ids;
}

bool ReportComposer::IsStoryTitled() const {
    if (!document_) return false;
    return IsStoryTitle(RecordTextView(document_->GetInfoRecord(), "Title"));
}

void ReportComposer::SettleConditions(char* text) const {
    namespace rc = report_conditions;
    if (!rc::HoldsReportCondition(text)) return;
    const std::string settled = rc::ResolveReportConditions(text, [this](std::string_view code) {
        if (code == rc::kStoryTitled) return IsStoryTitled();
        if (code == rc::kMainCharacterNamed || code == rc::kImpactCharacterNamed)
            return IsCharacterNamed(code == rc::kMainCharacterNamed);
        return IsPointChosen(code);
    });
    // A settled text is never longer than the text it was settled from.
    settled.copy(text, settled.size());
    text[settled.size()] = '\0';
}

// --- Section

ReportComposer::Section::Section(ReportComposer& composer, std::int16_t record)
    : composer_(composer), record_(composer.Templates().Open(record)) {
    composer_.WorkBuffer(0)[0] = '\0';
}

ReportComposer::Section::~Section() = default;

bool ReportComposer::Section::ReadSettled(const char* key, char* buffer) {
    if (!record_ || !record_->Read(key, buffer, kWorkBufferSize)) return false;
    composer_.SettleConditions(buffer);
    return true;
}

bool ReportComposer::Section::AppendKey(const char* key) {
    char* buffer = composer_.WorkBuffer(0);
    if (!ReadSettled(key, buffer)) return false;
    composer_.AppendText(buffer);
    return true;
}

bool ReportComposer::Section::Read(int n, std::string& text) {
    char key[16];
    std::snprintf(key, sizeof key, "S%d", n);
    char* buffer = composer_.WorkBuffer(0);
    const bool found = ReadSettled(key, buffer);
    text = found ? buffer : "";
    return found;
}

void ReportComposer::Section::Key(int n) {
    char key[16];
    std::snprintf(key, sizeof key, "S%d", n);
    AppendKey(key);
}

void ReportComposer::Section::Keys(std::initializer_list<int> numbers) {
    for (const int n : numbers) Key(n);
}
