// The macro expander's walk over a template: finding each macro, reading its name and arguments,
// and handing it to its handler or to the terminology; the output and the id collector.

#include "storymodel/TextMacroExpander.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#include "foundation/Compare.h"
#include "foundation/Memory.h"
#include "foundation/PlainText.h"
#include "foundation/TypedList.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/StyledText.h"
#include "storymodel/engine/Dynamics.h"
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

// The impact character's resolve, under the story point's code or the older "OCResolve".
bool NamesImpactResolve(std::string_view argument) { return argument == "ResOC" || argument == "OCResolve"; }

}  // namespace

// A macro name of three or four characters as one number; 0 for any other name.
constexpr std::uint32_t PackName(std::string_view name) {
    if (name.size() < 3 || name.size() > 4) return 0;
    std::uint32_t packed = 0;
    for (const char c : name) packed = packed << 8 | static_cast<unsigned char>(c);
    return packed;
}

const std::array<TextMacroExpander::NamedHandler, 22> TextMacroExpander::kHandlers = {{
    {PackName("CNN"), &TextMacroExpander::MacroCNN}, {PackName("CNNU"), &TextMacroExpander::MacroCNNU},
    {PackName("SNF"), &TextMacroExpander::MacroSNF}, {PackName("DNF"), &TextMacroExpander::MacroDNF},
    {PackName("CLS"), &TextMacroExpander::MacroCLS}, {PackName("DDF"), &TextMacroExpander::MacroDDF},
    {PackName("SDF"), &TextMacroExpander::MacroSDF}, {PackName("SLD"), &TextMacroExpander::MacroSLD},
    {PackName("SYN"), &TextMacroExpander::MacroSYN}, {PackName("SNN"), &TextMacroExpander::MacroSNN},
    {PackName("SPN"), &TextMacroExpander::MacroSPN}, {PackName("SVB"), &TextMacroExpander::MacroSVB},
    {PackName("PPN"), &TextMacroExpander::MacroPPN}, {PackName("SDI"), &TextMacroExpander::MacroSDI},
    {PackName("STF"), &TextMacroExpander::MacroSTF}, {PackName("QQE"), &TextMacroExpander::MacroQQE},
    {PackName("QBG"), &TextMacroExpander::MacroQBG}, {PackName("QST"), &TextMacroExpander::MacroQST},
    {PackName("QDU"), &TextMacroExpander::MacroQDU}, {PackName("APD"), &TextMacroExpander::MacroAPD},
    {PackName("GDO"), &TextMacroExpander::MacroGDO}, {PackName("SUB"), &TextMacroExpander::MacroSUB},
}};

const TextMacroExpander::NamedHandler* TextMacroExpander::FindHandler(std::string_view name) {
    const std::uint32_t packed = PackName(name);
    const auto named = std::find_if(kHandlers.begin(), kHandlers.end(),
                                    [packed](const NamedHandler& entry) { return entry.name == packed; });
    return named != kHandlers.end() ? &*named : nullptr;
}

bool TextMacroExpander::KnowsMacro(std::string_view name) { return FindHandler(name) != nullptr; }

int FoldElementID(int id) {
    return id >= kFirstElementID && id <= kLastFoldedID ? kFirstElementID + ElementRank(id) : id;
}

bool ContainsMacro(const char* text) { return text && std::strchr(text, '{'); }

std::string ExpandText(IStoryDocument* document, const char* text) {
    // A text without a macro expands to itself (cut, as every expansion, to the most one holds):
    // no expander is made for it.
    if (!ContainsMacro(text)) {
        const std::string_view source(text ? text : "");
        return std::string(source.substr(0, TextMacroExpander::kMaxExpandedSize));
    }
    TextMacroExpander expander(document, text);
    return expander.Expand();
}

TextMacroExpander::TextMacroExpander(IStoryDocument* document, const char* text, SList* idCollector,
                                     PointValues values)
    : application_(GetStoryApplication()),
      document_(document),
      source_(text ? text : ""),
      idCollector_(idCollector),
      nesting_(0),
      own_(std::make_unique<Expansion>()),
      expansion_(*own_) {
    expansion_.values = values;
}

TextMacroExpander::TextMacroExpander(IStoryDocument* document, const char* text, SList* idCollector,
                                     Expansion& expansion, int nesting)
    : application_(GetStoryApplication()),
      document_(document),
      source_(text ? text : ""),
      idCollector_(idCollector),
      nesting_(nesting),
      expansion_(expansion) {}

// The collector comes from earlier expansions in its order by name (by display name, equal names by
// id: one order whatever the order the ids came in), and is sorted again only when an id was added.
TextMacroExpander::~TextMacroExpander() {
    if (idCollector_ && nesting_ == 0 && expansion_.collected) idCollector_->Sort(CompareByDisplayName);
}

const char* TextMacroExpander::Expand(std::uint32_t* length) {
    if (!expanded_) {
        expanded_ = true;
        // Room for a quarter more than the source: a long text whose macros make it a little longer
        // is expanded in place rather than copied into twice the room.
        const std::size_t length = std::strlen(source_);
        expansion_.output.reserve(length + length / 4 + 50);
        Walk();
    }
    if (length) *length = static_cast<std::uint32_t>(expansion_.output.size() + 1);
    return expansion_.output.c_str();
}

std::string TextMacroExpander::TakeExpansion() {
    Expand();
    return std::exchange(expansion_.output, std::string());
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
    // The first right brace, and the last parentheses before it.
    const char* open = nullptr;
    const char* shut = nullptr;
    const char* close = brace + 1;
    for (; close < end && *close != '}'; ++close) {
        if (*close == '(') open = close;
        if (*close == ')') shut = close;
    }
    if (close == end) {
        Append({brace, static_cast<std::size_t>(end - brace)});
        return end;
    }
    const std::string_view whole(brace, static_cast<std::size_t>(close + 1 - brace));
    if (!Spend(1)) return end;

    MacroCall& call = call_;
    call.argumentCount = 0;
    call.name = std::string_view(brace + 1, static_cast<std::size_t>((open ? open : close) - brace - 1))
                    .substr(0, kMaxNameLength);
    if (open && shut > open) {
        std::string_view arguments(open + 1, static_cast<std::size_t>(shut - open - 1));
        while (call.argumentCount < kMaxArguments) {
            const std::size_t comma = arguments.find(',');
            call.arguments[call.argumentCount++] = arguments.substr(0, comma).substr(0, kMaxArgumentLength);
            if (comma == std::string_view::npos) break;
            arguments.remove_prefix(comma + 1);
        }
    }
    if (const NamedHandler* named = FindHandler(call.name)) {
        (this->*(named->handler))(call);
    } else if (!ExpandTerm(call.name)) {
        Append(whole);
    }
    return close + 1;
}

bool TextMacroExpander::ExpandTerm(std::string_view name) {
    if (name.size() < 2) return false;
    const char* term = TermOf(name.substr(1));
    if (!term) return false;
    std::string text(term);
    // The first letter of the name sets the case: C all capitals, I, l and L all small letters.
    if (name[0] == 'C') std::transform(text.begin(), text.end(), text.begin(), UpperChar);
    if (name[0] == 'I' || name[0] == 'l' || name[0] == 'L')
        std::transform(text.begin(), text.end(), text.begin(), LowerChar);
    Append(text);
    return true;
}

template <typename T>
const T* TextMacroExpander::LookUps<T>::Find(std::string_view text) const {
    for (const auto& [looked, value] : entries) {
        if (looked == text) return &value;
    }
    return nullptr;
}

template <typename T>
T TextMacroExpander::LookUps<T>::Add(std::string_view text, T value) {
    if (entries.size() < kMostKept) entries.emplace_back(std::string(text), value);
    return value;
}

const char* TextMacroExpander::TermOf(std::string_view key) {
    const char* const* term = expansion_.terms.Find(key);
    return term ? *term : expansion_.terms.Add(key, TerminologyTerm(std::string(key).c_str()));
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
    output.append(text);  // growing by at least twice its capacity when full
}

void TextMacroExpander::AppendStyled(std::string_view text, char style) {
    Append(style == 'B' ? kBoldOn : kItalicOn);
    Append(text);
    Append(style == 'B' ? kBoldOff : kItalicOff);
}

void TextMacroExpander::Collect(int id) {
    if (!idCollector_ || id <= 0 || id > INT16_MAX) return;
    const auto value = static_cast<std::int16_t>(FoldElementID(id));
    std::vector<bool>& held = expansion_.held;
    if (held.empty()) {
        held.assign(std::size_t{INT16_MAX} + 1, false);
        for (std::int32_t i = 0; i < idCollector_->Count(); ++i) {
            const std::int16_t kept = idCollector_->GetAt(i);
            if (kept > 0) held[static_cast<std::size_t>(kept)] = true;
        }
    }
    if (held[static_cast<std::size_t>(value)]) return;
    if (idCollector_->Append(value) < 0) return;
    held[static_cast<std::size_t>(value)] = true;
    expansion_.collected = true;
}

int TextMacroExpander::Number(std::string_view argument) {
    // Held below 100000: far above any id, far below overflow.
    int value = 0;
    for (std::size_t i = 0; i < argument.size() && IsDecimalDigit(argument[i]); ++i) {
        value = std::min(value * 10 + (argument[i] - '0'), 99999);
    }
    return value;
}

int TextMacroExpander::Value(std::string_view argument) {
    if (!argument.empty() && IsDecimalDigit(argument[0])) return Number(argument);
    if (!document_) return 0;
    // The impact character's resolve has no value of its own: it is the other value of the main
    // character's.
    if (NamesImpactResolve(argument)) return ImpactResolveOf(static_cast<std::int16_t>(Value("Resolve")));
    const int index = PointIndex(argument);
    if (index < 0) return 0;
    return expansion_.values == PointValues::kSettled ? document_->GetSettledStoryPointValue(index)
                                                      : document_->GetStoryPointValue(index);
}

int TextMacroExpander::PointIndex(std::string_view argument) {
    if (argument.empty() || IsDecimalDigit(argument[0]) || NamesImpactResolve(argument)) return -1;
    if (const int* found = expansion_.storyPoints.Find(argument)) return *found;
    return expansion_.storyPoints.Add(argument, StoryPointIndexForCode(std::string(argument).c_str()));
}

int TextMacroExpander::TextID(std::string_view argument, int value) const {
    return NamesImpactResolve(argument) ? ImpactResolveTextID(static_cast<std::int16_t>(value)) : value;
}

namespace {

std::uint64_t DataKey(FourCC type, int id) {
    return std::uint64_t{type} << 32 | static_cast<std::uint32_t>(id);
}

}  // namespace

PText* TextMacroExpander::DataRecord(FourCC type, int number) {
    PFMFile* data = application_ ? application_->GetDataFile() : nullptr;
    if (!data || number < 0 || number > 0xFFFF) return nullptr;
    auto [place, added] = expansion_.dataRecords.try_emplace(DataKey(type, number));
    if (added) {
        ErrCode error = kNoErr;
        auto record = std::make_unique<PText>(data, type, static_cast<std::uint16_t>(number), &error);
        if (error == kNoErr) place->second = std::move(record);
    }
    return place->second.get();
}

void TextMacroExpander::AppendDataText(FourCC type, int id) {
    PFMFile* data = application_ ? application_->GetDataFile() : nullptr;
    if (!data || id < 0 || id > 0xFFFF) return;
    auto [place, added] = expansion_.dataTexts.try_emplace(DataKey(type, id));
    if (added) {
        CheckedOutHdl segment(type, static_cast<std::uint16_t>(id), data);
        if (const char* text = static_cast<const char*>(segment.Data())) {
            const std::size_t size = MemSize(text);
            const void* nul = std::memchr(text, '\0', size);
            place->second.emplace(text, nul ? static_cast<const char*>(nul) - text : size);
        }
    }
    if (place->second) Append(*place->second);
}
