// The theory dictionary as sources: a file for one level of the structure (or for the dynamics and
// their values), its entries in the structure's order, each with the five texts the definition
// macros read under the entry's id:
//   dictionary elements
//
//   = 85 Ability
//   name      Ability                      'SNNS' 85, read by {SNN(85)}
//   plural    abilities                    'SNPL' 85, read by {SPN(85)}
//   synonyms  capacity, talent, knack      'SYNS' 85, read by {SYN(85)}
//   short     the capacity to ...          'SDEF' 85, read by {SDF(85)}
//   long      Ability is ... .             'LDEF' 85, read by {SLD(85)}
// The heading gives the id and its name in either vocabulary, as the theory's tables name it. The
// short definition is a phrase that templates set into their own sentences ("Ability: {SDF(85)}."),
// so it starts with a small letter (or a macro) and has no full stop, nor have the names and
// synonyms; the long one is a paragraph and ends as a sentence does. The short definition of a
// class, type, variation or element is a phrase of one (it may be the subject of "is").

#include <algorithm>

#include "datafiles/EntrySource.h"
#include "datafiles/MacroCheck.h"
#include "datafiles/PhraseOfOne.h"
#include "datafiles/SegmentTypes.h"
#include "datafiles/SetSourceKind.h"
#include "datafiles/TheoryItems.h"

namespace {

struct DictionaryField {
    std::string_view word;
    FourCC type;
    bool paragraph;  // ends as a sentence does; else no full stop at its end
};

constexpr DictionaryField kFields[] = {
    {"name", FourCCOf("SNNS"), false},     {"plural", FourCCOf("SNPL"), false},
    {"synonyms", FourCCOf("SYNS"), false}, {"short", FourCCOf("SDEF"), false},
    {"long", FourCCOf("LDEF"), true},
};

constexpr TheoryLevel kLevels[] = {TheoryLevel::kClass, TheoryLevel::kType, TheoryLevel::kVariation,
                                   TheoryLevel::kElement, TheoryLevel::kStoryPointValue};

bool IsSmallLetter(char c) { return c >= 'a' && c <= 'z'; }

// The reason the text does not end as its field must, or empty.
std::string EndingError(const DictionaryField& field, const std::string& text) {
    const std::size_t last = text.find_last_not_of("\"'");
    const char end = last == std::string::npos ? '\0' : text[last];
    if (field.paragraph && end != '.' && end != '!' && end != '?')
        return "the long definition is a paragraph: it ends with a full stop";
    if (!field.paragraph && (end == '.' || end == ';' || end == ','))
        return "no punctuation ends the " + std::string(field.word) + ": templates add their own";
    if (field.type == FourCCOf("SDEF") && !IsSmallLetter(text[0]) && text[0] != '{')
        return "the short definition stands inside a template's sentence: it starts with a small letter";
    return {};
}

// The reason a short definition of a class, type, variation or element is not a phrase of one, or
// empty: neither its opening nor what follows its last colon, which meets the "is" after it
// ("a fixed attitude ...: recollections that colour ... is where"). (A dynamic value's reads after
// "how", as a clause.)
std::string NumberError(const DictionaryField& field, const std::string& text, int id) {
    if (field.type != FourCCOf("SDEF") || DictionaryLevel(id) == TheoryLevel::kStoryPointValue) return {};
    const std::size_t colon = text.rfind(": ");
    std::string plural = PluralOpening(text);
    const bool afterColon = plural.empty() && colon != std::string::npos;
    if (afterColon) plural = PluralOpening(std::string_view(text).substr(colon + 2));
    if (plural.empty()) return {};
    return "the short definition is set into sentences as one thing (\"... is where\"): " +
           std::string(afterColon ? "what follows its colon" : "it") +
           " opens on a phrase of one, not on \"" + plural + "\"";
}

class DictionaryKind : public SetSourceKind {
public:
    std::string_view Keyword() const override { return "dictionary"; }
    std::string_view Extension() const override { return ".dictionary"; }

    void Compile(SourceReader& reader, const std::vector<std::string>& words,
                 std::vector<CompiledSegment>& segments) const override {
        const auto level = std::find_if(std::begin(kLevels), std::end(kLevels), [&](TheoryLevel each) {
            return words.size() == 1 && words[0] == LevelWord(each);
        });
        if (level == std::end(kLevels)) {
            reader.Error(reader.HeaderLine(),
                         "a dictionary names its level: classes, types, variations, elements or dynamics");
            return;
        }
        std::vector<std::string_view> fieldWords;
        for (const DictionaryField& field : kFields) fieldWords.push_back(field.word);
        std::string previous;
        std::string previousName;
        for (const SourceEntry& entry : ReadEntries(reader, fieldWords)) {
            const auto id = ReadHeading(reader, entry, *level);
            if (!id) continue;
            const std::string order = StructureOrderKey(*id);
            if (order <= previous) {
                reader.Error(entry.line, "the entries follow the structure's order: " + Title(*id) +
                                             " comes before " + previousName);
            }
            previous = order;
            previousName = Title(*id);
            for (const DictionaryField& field : kFields) {
                const auto found = entry.fields.find(field.word);
                if (found == entry.fields.end()) {
                    reader.Error(entry.line, Title(*id) + " has no " + std::string(field.word));
                    continue;
                }
                if (auto segment = FieldSegment(reader, field, found->second, *id)) {
                    segments.push_back(std::move(*segment));
                }
            }
        }
    }

private:
    static std::string Title(int id) { return std::to_string(id) + " " + NamesOf(id); }

    // The id of an entry whose heading names an item of the level by its name; else nothing.
    static std::optional<int> ReadHeading(SourceReader& reader, const SourceEntry& entry, TheoryLevel level) {
        if (entry.heading.size() < 2) {
            reader.Error(entry.line, "an entry starts with = , its id and its name, as in: = 85 Ability");
            return std::nullopt;
        }
        const auto id = ParseSourceNumber(entry.heading[0]);
        const TheoryLevel found = id ? DictionaryLevel(static_cast<int>(*id)) : TheoryLevel::kNone;
        if (found == TheoryLevel::kNone) {
            reader.Error(entry.line, entry.heading[0] + " is no id the dictionary holds");
            return std::nullopt;
        }
        const int item = static_cast<int>(*id);
        if (found != level) {
            reader.Error(entry.line, Title(item) + " belongs with the " + std::string(LevelWord(found)) +
                                         ", not the " + std::string(LevelWord(level)));
            return std::nullopt;
        }
        std::string name = entry.heading[1];
        for (std::size_t i = 2; i < entry.heading.size(); ++i) name += " " + entry.heading[i];
        if (!IsNameOf(item, name)) {
            reader.Error(entry.line, std::to_string(item) + " is " + NamesOf(item) + ", not " + name);
            return std::nullopt;
        }
        return item;
    }

    static std::optional<CompiledSegment> FieldSegment(SourceReader& reader, const DictionaryField& field,
                                                       const EntryField& text, int id) {
        const auto bytes = FieldBytes(reader, text);
        if (!bytes) return std::nullopt;
        if (bytes->empty()) {
            reader.Error(text.line, "the " + std::string(field.word) + " is empty");
            return std::nullopt;
        }
        CompiledSegment segment;
        segment.key = {field.type, static_cast<std::uint16_t>(id)};
        segment.origin = reader.Place(text.line);
        std::string problem = EndingError(field, *bytes);
        if (problem.empty()) problem = NumberError(field, *bytes, id);
        if (problem.empty()) problem = TextLengthError(*FindSegmentType(field.type), bytes->size());
        if (!problem.empty()) reader.Error(text.line, problem);
        CheckMacros(
            *bytes, segment.origin, [&](const std::string& message) { reader.Error(text.line, message); },
            segment);
        segment.bytes.assign(bytes->begin(), bytes->end());
        segment.bytes.push_back(0);
        return segment;
    }
};

}  // namespace

const SetSourceKind& DictionarySource() {
    static const DictionaryKind kind;
    return kind;
}
