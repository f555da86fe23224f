// The story points as sources: an entry per row of the story point table, with the texts of its
// 'APPR' records, in the order of the table's ids:
//   storypoints
//
//   = 1000 Resolve
//   name    Resolve
//   text    the Main Character's final stance ...
//   report  3 concerns-how
// The heading gives the story point's id and its code (a value row, which has none: its name).
// Every entry makes 'APPR' <id>, whose name and text the topic tree shows and {APD(id)} reads. An
// entry with a report line makes 'APPR' <index> as well, the same texts as the line of the story
// points report at that index (3 to 118, without the indexes the report skips), in one of the
// forms the report writes:
//   value-is          Name: {SNF(code)} ({SDF(code)} is text)      domain, concern, issue, element points
//   concerns-how      Name: {SNF(code)} (text as it concerns how {SDF(code)})      the dynamics
//   value-definition  Name: {SNF(code)} ({SDF(code)})              the dynamic appreciations,
//                                                                   the impact character's resolve
//   text-only         Name: {SNF(code)} (text)                      the positions and home classes
// Both records hold the code (VN), the name (NM), the text (DF) and the line's form (TY, 9 for no
// line). An entry "= unused 79 80" makes the records of report indexes that show no line. The text is a
// phrase the report sets into its lines: it starts with a small letter (or a macro) and has no
// full stop; a value-is text follows "is" and so is a phrase of one ("the reward that ...", not
// "the rewards that ...").

#include <algorithm>
#include <set>

#include "datafiles/EntrySource.h"
#include "datafiles/MacroCheck.h"
#include "datafiles/PhraseOfOne.h"
#include "datafiles/SetSourceKind.h"
#include "datafiles/TheoryItems.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr std::int16_t kNoLine = 9;
constexpr std::size_t kNameLength = 63;
constexpr std::size_t kTextLength = 249;

struct LineForm {
    std::string_view word;
    std::int16_t form;  // -1: the row's own kind, a domain to element point (2 to 5)
};
constexpr LineForm kLineForms[] = {
    {"value-is", -1}, {"concerns-how", 1}, {"value-definition", 0}, {"text-only", 7}};

CompiledSegment Record(std::uint16_t number, const KeyedText& texts, int line, SourceReader& reader) {
    CompiledSegment segment;
    segment.key = {FourCCOf("APPR"), number};
    segment.origin = reader.Place(line);
    KeyedText record = texts;
    const std::vector<char>& stored = record.Write();
    segment.bytes.assign(stored.begin(), stored.end());
    return segment;
}

class StoryPointSourceKind : public SetSourceKind {
public:
    std::string_view Keyword() const override { return "storypoints"; }
    std::string_view Extension() const override { return ".storypoints"; }

    void Compile(SourceReader& reader, const std::vector<std::string>& words,
                 std::vector<CompiledSegment>& segments) const override {
        for (const std::string& word : words)
            reader.Error(reader.HeaderLine(), "unknown header word " + word);
        std::set<std::int64_t> indexes;
        int previous = 0;
        for (const SourceEntry& entry : ReadEntries(reader, {"name", "text", "report"})) {
            if (!entry.heading.empty() && entry.heading[0] == "unused") {
                ReadUnused(reader, entry, indexes, segments);
                continue;
            }
            const StoryPointRecord* row = ReadHeading(reader, entry);
            if (!row) continue;
            if (row->id <= previous)
                reader.Error(entry.line, "the entries follow the order of the story point ids");
            previous = row->id;
            CompiledSegment texts;
            KeyedText record;
            if (row->code) record.SetEntry("VN", kPTextText, row->code);
            if (!ReadText(reader, entry, "name", kNameLength, "NM", record, texts) ||
                !ReadText(reader, entry, "text", kTextLength, "DF", record, texts)) {
                continue;
            }
            const auto report = entry.fields.find("report");
            std::int64_t index = 0;
            std::int16_t form = kNoLine;
            if (report != entry.fields.end() && (!ReadReport(reader, report->second, *row, index, form) ||
                                                 !IsPhraseOfOneWhereNeeded(reader, entry, form)))
                continue;
            if (index && !indexes.insert(index).second) {
                reader.Error(report->second.line,
                             "report index " + std::to_string(index) + " is given twice");
                continue;
            }
            record.SetEntry("TY", kPTextShort, &form);
            segments.push_back(Record(static_cast<std::uint16_t>(row->id), record, entry.line, reader));
            segments.back().references = texts.references;
            segments.back().keyReferences = texts.keyReferences;
            if (index)
                segments.push_back(Record(static_cast<std::uint16_t>(index), record, entry.line, reader));
        }
    }

private:
    // "= unused 79 80 81": report indexes that show no line.
    static void ReadUnused(SourceReader& reader, const SourceEntry& entry, std::set<std::int64_t>& indexes,
                           std::vector<CompiledSegment>& segments) {
        if (!entry.fields.empty()) reader.Error(entry.line, "unused report indexes have no fields");
        for (std::size_t i = 1; i < entry.heading.size(); ++i) {
            const auto index = ParseSourceNumber(entry.heading[i]);
            if (!index || !IsStoryPointReportIndex(*index) || !indexes.insert(*index).second) {
                reader.Error(entry.line, entry.heading[i] + " is no report index, or one given twice");
                continue;
            }
            KeyedText record;
            record.SetEntry("TY", kPTextShort, &kNoLine);
            segments.push_back(Record(static_cast<std::uint16_t>(*index), record, entry.line, reader));
        }
    }

    static const StoryPointRecord* ReadHeading(SourceReader& reader, const SourceEntry& entry) {
        const auto id = entry.heading.size() >= 2 ? ParseSourceNumber(entry.heading[0]) : std::nullopt;
        const StoryPointRecord* row =
            id && *id > 0 && *id <= INT16_MAX ? StoryPointByID(static_cast<std::int16_t>(*id)) : nullptr;
        if (!row) {
            reader.Error(entry.line,
                         "an entry starts with = , a story point id and its code (or a value's "
                         "name), as in: = 12100 STCon");
            return nullptr;
        }
        std::string named = entry.heading[1];
        for (std::size_t i = 2; i < entry.heading.size(); ++i) named += " " + entry.heading[i];
        const std::string expected = row->code ? row->code : row->name;
        if (named != expected) {
            reader.Error(entry.line, std::to_string(row->id) + " is " + expected + ", not " + named);
            return nullptr;
        }
        return row;
    }

    // Reads the field's text under the record's key; texts collects the references of its macros.
    static bool ReadText(SourceReader& reader, const SourceEntry& entry, std::string_view field,
                         std::size_t limit, const char* key, KeyedText& record, CompiledSegment& texts) {
        const auto found = entry.fields.find(field);
        if (found == entry.fields.end()) {
            reader.Error(entry.line, "the entry has no " + std::string(field));
            return false;
        }
        const int line = found->second.line;
        const auto bytes = FieldBytes(reader, found->second);
        if (!bytes) return false;
        if (bytes->empty() || bytes->size() > limit) {
            reader.Error(line, "the " + std::string(field) + " has " + std::to_string(bytes->size()) +
                                   " characters; it has 1 to " + std::to_string(limit));
            return false;
        }
        const char first = bytes->front();
        const bool smallFirst = (first >= 'a' && first <= 'z') || first == '{';
        if (field == "text" && (bytes->back() == '.' || !smallFirst)) {
            reader.Error(
                line, "the text is a phrase inside the report's lines: a small letter first, no full stop");
            return false;
        }
        CheckMacros(
            *bytes, reader.Place(line), [&](const std::string& message) { reader.Error(line, message); },
            texts);
        record.SetEntry(key, kPTextText, bytes->c_str());
        return true;
    }

    // A value-is line sets the text after "is": it must be a phrase of one.
    static bool IsPhraseOfOneWhereNeeded(SourceReader& reader, const SourceEntry& entry, std::int16_t form) {
        if (form < kDomainLevelPoint || form > kElementLevelPoint) return true;
        const EntryField& text = entry.fields.find("text")->second;
        const std::string plural = PluralOpening(FieldBytes(reader, text).value_or(""));
        if (plural.empty()) return true;
        reader.Error(text.line,
                     "a value-is text follows \"is\" and so is a phrase of one, not one that "
                     "opens on \"" +
                         plural + "\"");
        return false;
    }

    static bool ReadReport(SourceReader& reader, const EntryField& field, const StoryPointRecord& row,
                           std::int64_t& index, std::int16_t& form) {
        const std::size_t blank = field.text.find(' ');
        const auto number = ParseSourceNumber(field.text.substr(0, blank));
        const std::string word =
            blank == std::string::npos ? "" : field.text.substr(field.text.find_first_not_of(' ', blank));
        const auto found = std::find_if(std::begin(kLineForms), std::end(kLineForms),
                                        [&](const LineForm& each) { return each.word == word; });
        if (!number || !IsStoryPointReportIndex(*number) || found == std::end(kLineForms)) {
            reader.Error(field.line,
                         "the report line is an index from 3 to 118 that the report does not skip and "
                         "a form: value-is, concerns-how, value-definition or text-only");
            return false;
        }
        if (!row.code) {
            reader.Error(field.line, "a value has no line of its own in the report");
            return false;
        }
        form = found->form;
        if (form < 0) {
            if (row.kind < kDomainLevelPoint || row.kind > kElementLevelPoint) {
                reader.Error(field.line, "value-is is the line of a domain, concern, issue or element point");
                return false;
            }
            form = row.kind;
        }
        index = *number;
        return true;
    }
};

}  // namespace

const SetSourceKind& StoryPointSource() {
    static const StoryPointSourceKind kind;
    return kind;
}
