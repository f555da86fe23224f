// The macro expander's walk over a template: finding each macro, reading its name and arguments,
// and handing it to its handler or to the terminology; the output and the id collector.

#include "storymodel/TextMacroExpander.h"

#include <algorithm>
#include <cstring>

#include "foundation/Compare.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PText.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/StyledText.h"
#include "storymodel/engine/ElementTable.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/Terminology.h"

namespace {

constexpr int kFirstValueID = 1000;
// The last id that text look-ups fold onto the elements.
constexpr int kLastFoldedID = 999;

const char* DisplayName(std::int16_t id) { return id < kFirstValueID ? ElementName(id) : StoryPointName(id); }

// The id collector's final order: by display name, equal names by id.
int CompareByDisplayName(const void* a, const void* b) {
    std::int16_t first;
    std::int16_t second;
    std::memcpy(&first, a, sizeof first);
    std::memcpy(&second, b, sizeof second);
    if (const int names = std::strcmp(DisplayName(first), DisplayName(second))) return names < 0 ? -1 : 1;
    return (first > second) - (first < second);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char UpperCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char LowerCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

const std::array<TextMacroExpander::NamedHandler, 22> TextMacroExpander::kHandlers = {{
    {"CNN", &TextMacroExpander::MacroCNN}, {"CNNU", &TextMacroExpander::MacroCNNU},
    {"SNF", &TextMacroExpander::MacroSNF}, {"DNF", &TextMacroExpander::MacroDNF},
    {"CLS", &TextMacroExpander::MacroCLS}, {"DDF", &TextMacroExpander::MacroDDF},
    {"SDF", &TextMacroExpander::MacroSDF}, {"SLD", &TextMacroExpander::MacroSLD},
    {"SYN", &TextMacroExpander::MacroSYN}, {"SNN", &TextMacroExpander::MacroSNN},
    {"SPN", &TextMacroExpander::MacroSPN}, {"SVB", &TextMacroExpander::MacroSVB},
    {"PPN", &TextMacroExpander::MacroPPN}, {"SDI", &TextMacroExpander::MacroSDI},
    {"STF", &TextMacroExpander::MacroSTF}, {"QQE", &TextMacroExpander::MacroQQE},
    {"QBG", &TextMacroExpander::MacroQBG}, {"QST", &TextMacroExpander::MacroQST},
    {"QDU", &TextMacroExpander::MacroQDU}, {"APD", &TextMacroExpander::MacroAPD},
    {"GDO", &TextMacroExpander::MacroGDO}, {"SUB", &TextMacroExpander::MacroSUB},
}};

int FoldElementID(int id) {
    return id >= kFirstElementID && id <= kLastFoldedID ? kFirstElementID + ElementRank(id) : id;
}

bool ContainsMacro(const char* text) { return text && std::strchr(text, '{'); }

std::string ExpandText(IStoryDocument* document, const char* text) {
    TextMacroExpander expander(document, text);
    return expander.Expand();
}

TextMacroExpander::TextMacroExpander(IStoryDocument* document, const char* text, SList* idCollector)
    : application_(GetStoryApplication()),
      document_(document),
      source_(text ? text : ""),
      idCollector_(idCollector),
      nesting_(0),
      own_(std::make_unique<Expansion>()),
      expansion_(*own_) {
    // The collector may come from an earlier expansion, sorted by name: ids are added by id.
    if (idCollector_) idCollector_->Sort(CompareShortAscending);
}

TextMacroExpander::TextMacroExpander(IStoryDocument* document, const char* text, SList* idCollector,
                                     Expansion& expansion, int nesting)
    : application_(GetStoryApplication()),
      document_(document),
      source_(text ? text : ""),
      idCollector_(idCollector),
      nesting_(nesting),
      expansion_(expansion) {}

TextMacroExpander::~TextMacroExpander() {
    if (idCollector_ && nesting_ == 0) idCollector_->Sort(CompareByDisplayName);
}

const char* TextMacroExpander::Expand(std::uint32_t* length) {
    if (!expanded_) {
        expanded_ = true;
        expansion_.output.reserve(std::strlen(source_) + 50);
        Walk();
    }
    if (length) *length = static_cast<std::uint32_t>(expansion_.output.size() + 1);
    return expansion_.output.c_str();
}

void TextMacroExpander::Walk() {
    const char* position = source_;
    const char* const end = source_ + std::strlen(source_);
    while (position < end && !expansion_.full) {
        const char* brace = static_cast<const char*>(std::memchr(position, '{', end - position));
        if (!brace) {
            Append({position, static_cast<std::size_t>(end - position)});
            break;
        }
        Append({position, static_cast<std::size_t>(brace - position)});
        position = ExpandMacro(brace, end);
    }
}

const char* TextMacroExpander::ExpandMacro(const char* brace, const char* end) {
    const char* close = static_cast<const char*>(std::memchr(brace, '}', end - brace));
    if (!close) {
        Append({brace, static_cast<std::size_t>(end - brace)});
        return end;
    }
    const std::string_view whole(brace, static_cast<std::size_t>(close + 1 - brace));
    if (!Spend(1)) return end;

    const std::string_view inside = whole.substr(1, whole.size() - 2);
    const std::size_t open = inside.rfind('(');
    const std::size_t shut = inside.rfind(')');
    MacroCall call;
    call.name = inside.substr(0, std::min(open, inside.size())).substr(0, kMaxNameLength);
    if (open != std::string_view::npos && shut != std::string_view::npos && shut > open) {
        std::string_view arguments = inside.substr(open + 1, shut - open - 1);
        while (call.argumentCount < kMaxArguments) {
            const std::size_t comma = arguments.find(',');
            call.arguments[call.argumentCount++] = arguments.substr(0, comma).substr(0, kMaxArgumentLength);
            if (comma == std::string_view::npos) break;
            arguments.remove_prefix(comma + 1);
        }
    }
    const auto named = std::find_if(kHandlers.begin(), kHandlers.end(),
                                    [&call](const NamedHandler& entry) { return entry.name == call.name; });
    if (named != kHandlers.end()) {
        (this->*(named->handler))(call);
    } else if (!ExpandTerm(call.name)) {
        Append(whole);
    }
    return close + 1;
}

bool TextMacroExpander::ExpandTerm(std::string_view name) {
    if (name.size() < 2) return false;
    char key[kMaxNameLength + 1];
    name.substr(1).copy(key, name.size() - 1);
    key[name.size() - 1] = '\0';
    const char* term = TerminologyTerm(key);
    if (!term) return false;
    std::string text(term);
    // The first letter of the name sets the case: C all capitals, I, l and L all small letters.
    if (name[0] == 'C') std::transform(text.begin(), text.end(), text.begin(), UpperCase);
    if (name[0] == 'I' || name[0] == 'l' || name[0] == 'L')
        std::transform(text.begin(), text.end(), text.begin(), LowerCase);
    Append(text);
    return true;
}

bool TextMacroExpander::Spend(std::size_t units) {
    if (units > expansion_.workLeft) {
        expansion_.workLeft = 0;
        expansion_.full = true;
        return false;
    }
    expansion_.workLeft -= units;
    return true;
}

void TextMacroExpander::Append(std::string_view text) {
    std::string& output = expansion_.output;
    if (expansion_.full) return;
    if (text.size() > kMaxExpandedSize - output.size()) {
        text = text.substr(0, kMaxExpandedSize - output.size());
        expansion_.full = true;
    }
    if (output.size() + text.size() > output.capacity()) {
        output.reserve(std::max(2 * output.capacity(), output.size() + text.size()));
    }
    output.append(text);
}

void TextMacroExpander::AppendStyled(std::string_view text, char style) {
    Append(style == 'B' ? kBoldOn : kItalicOn);
    Append(text);
    Append(style == 'B' ? kBoldOff : kItalicOff);
}

void TextMacroExpander::Collect(int id) {
    if (!idCollector_ || id <= 0) return;
    const auto value = static_cast<std::int16_t>(FoldElementID(id));
    if (idCollector_->Find(value, CompareShortAscending) < 0)
        idCollector_->InsertSorted(value, CompareShortAscending);
}

int TextMacroExpander::Number(std::string_view argument) {
    // Held below 100000: far above any id, far below overflow.
    int value = 0;
    for (std::size_t i = 0; i < argument.size() && IsDigit(argument[i]); ++i) {
        value = std::min(value * 10 + (argument[i] - '0'), 99999);
    }
    return value;
}

int TextMacroExpander::Value(std::string_view argument) const {
    if (!argument.empty() && IsDigit(argument[0])) return Number(argument);
    if (!document_) return 0;
    const int index = StoryPointIndexForCode(std::string(argument).c_str());
    return index < 0 ? 0 : document_->GetStoryPointValue(index);
}

std::unique_ptr<PText> TextMacroExpander::DataRecord(FourCC type, int number) const {
    PFMFile* data = application_ ? application_->GetDataFile() : nullptr;
    if (!data || number < 0 || number > 0xFFFF) return nullptr;
    ErrCode error = kNoErr;
    auto record = std::make_unique<PText>(data, type, static_cast<std::uint16_t>(number), &error);
    return error == kNoErr ? std::move(record) : nullptr;
}
