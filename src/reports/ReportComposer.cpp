// The output text of the reports and the composition rules every section builder follows.

#include "reports/ReportComposer.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "foundation/StyleCodeBytes.h"
#include "foundation/pfm/PText.h"
#include "reports/ReportTemplates.h"
#include "storymodel/StoryDocument.h"

namespace {

// A style code: the command between the two delimiter bytes.
std::string StyleCode(const char* command) { return kStyleCodeStart + std::string(command) + kStyleCodeEnd; }

// The text of each style, in the order of ReportStyle.
const std::string& StyleText(ReportStyle style) {
    static const std::array<std::string, 12> kTexts = {
        StyleCode("B+"),
        StyleCode("B-"),
        StyleCode("U+"),
        StyleCode("U-"),
        StyleCode("I+"),
        StyleCode("I-"),
        "\n\n",
        "\n",
        StyleCode("M(0,0,0)"),
        StyleCode("M(10,30,0)"),
        StyleCode("M(30,30,0)"),
        StyleCode("M(40,40,0)"),
    };
    return kTexts[static_cast<std::size_t>(style)];
}

// The records of the closing notes that begin with a paragraph end.
bool NotesBeginWithBreak(std::int16_t record) { return record != 1070 && record != 1074; }

}  // namespace

ReportComposer::ReportComposer(IOutlineWindow* owner, IStoryDocument* document, IStoryForm* storyForm)
    : owner_(owner),
      document_(document),
      storyForm_(storyForm),
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

void ReportComposer::ResetText() {
    output_.Clear();
    if (output_.Capacity() > kMinimumCapacity) output_.SetCapacity(kMinimumCapacity - 1);
}

void ReportComposer::ReserveOutput() {
    if (output_.Capacity() < kMinimumCapacity) output_.SetCapacity(kMinimumCapacity - 1);
}

void ReportComposer::AppendText(const char* text) {
    if (text && *text) output_.Append(text);
}

void ReportComposer::ReplaceText(const char* text) { output_.Assign(text); }

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

std::int16_t ReportComposer::AppendStoryPoint(const char* key, const char* fallback, bool continues) {
    const bool told =
        showStorytelling_ && document_ && key && document_->GetStorytellingRecord().GetValueSize(key) > 0;
    if (!told) {
        AppendText(fallback);
        return showStorytelling_;
    }
    const std::string block = ":\n\n" + StyleCode("M(40,40,40)") + "{STF(" + key + ")}\n\n" +
                              StyleCode("M(0,0,0)") + (continues ? "..." : "");
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

void ReportComposer::AppendTemplateText(std::int16_t record) {
    Section section(*this, record);
    char key[16];
    for (int n = 1;; ++n) {
        std::snprintf(key, sizeof key, "S%d", n);
        if (!section.AppendKey(key)) break;
    }
}

// --- Section

ReportComposer::Section::Section(ReportComposer& composer, std::int16_t record)
    : composer_(composer), record_(composer.Templates().Open(record)) {
    composer_.WorkBuffer(0)[0] = '\0';
}

ReportComposer::Section::~Section() = default;

bool ReportComposer::Section::AppendKey(const char* key) {
    char* buffer = composer_.WorkBuffer(0);
    if (!record_ || !record_->Read(key, buffer, kWorkBufferSize)) return false;
    composer_.AppendText(buffer);
    return true;
}

void ReportComposer::Section::Key(int n) {
    char key[16];
    std::snprintf(key, sizeof key, "S%d", n);
    AppendKey(key);
}

void ReportComposer::Section::Keys(std::initializer_list<int> numbers) {
    for (const int n : numbers) Key(n);
}
