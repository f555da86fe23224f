// The verbs of the theory items as one source: a line per item, its id, its name (quoted when it
// has blanks) and its verb, either as "be" and the rest of the phrase, or as five forms: the
// infinitive (also the present tense for several), the present tense for one, the past, the
// present participle and the past participle:
//   verbs
//   85   Ability          be "able to act"
//   96   Consider         consider considers considered considering considered
//   5    "The Past"       "look back" "looks back" "looked back" "looking back" "looked back"
// Each line makes the keyed record 'SVRB' of the id that {SVB(subject,id,form)} reads. A verb with
// "be" begins with the byte 0xA5, so the form of "be" comes from 'LVRB' 1 and agrees with the
// subject; five forms are stored as their common beginning ("B") and each form's ending. The lines
// follow the structure's order.

#include <algorithm>

#include "datafiles/EntrySource.h"
#include "datafiles/SetSourceKind.h"
#include "datafiles/TheoryItems.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PTextTypes.h"

namespace {

constexpr std::size_t kVerbLength = 99;
constexpr char kSharedVerb = '\xA5';
constexpr std::string_view kBe = "be";
// The keys of the forms, and which of the five written forms each takes.
struct FormKey {
    std::string_view key;
    std::size_t written;
};
constexpr FormKey kFormKeys[] = {{"INF", 0}, {"PTG", 0}, {"PT3", 1}, {"PAST", 2}, {"PRESP", 3}, {"PASTP", 4}};
constexpr std::size_t kWrittenForms = 5;

class VerbKind : public SetSourceKind {
public:
    std::string_view Keyword() const override { return "verbs"; }
    std::string_view Extension() const override { return ".verbs"; }

    void Compile(SourceReader& reader, const std::vector<std::string>& words,
                 std::vector<CompiledSegment>& segments) const override {
        for (const std::string& word : words)
            reader.Error(reader.HeaderLine(), "unknown header word " + word);
        std::string previous;
        std::vector<Token> tokens;
        for (const SourceLine& line : reader.Statements()) {
            if (!reader.Tokenize(line, tokens) || !CheckReservedCharacters(reader, line.text, line.number))
                continue;
            const auto id = ReadItem(reader, line.number, tokens);
            if (!id) continue;
            const std::string order = StructureOrderKey(*id);
            if (order <= previous) {
                reader.Error(line.number, "the verbs follow the structure's order: " + NamesOf(*id) +
                                              " comes before the line above");
            }
            previous = order;
            KeyedText record;
            if (!ReadVerb(reader, line.number, tokens, record)) continue;
            CompiledSegment segment;
            segment.key = {FourCCOf("SVRB"), static_cast<std::uint16_t>(*id)};
            segment.origin = reader.Place(line.number);
            const std::vector<char>& stored = record.Write();
            segment.bytes.assign(stored.begin(), stored.end());
            segments.push_back(std::move(segment));
        }
    }

private:
    static std::optional<int> ReadItem(SourceReader& reader, int line, const std::vector<Token>& tokens) {
        const auto& ids = VerbIDs();
        const std::optional<std::int64_t> id =
            tokens.size() >= 2 ? ParseSourceNumber(tokens[0].text) : std::nullopt;
        const auto found = id ? std::find(ids.begin(), ids.end(), *id) : ids.end();
        if (found == ids.end()) {
            reader.Error(line,
                         "a line starts with the id of a class, type, variation or element of the first "
                         "class (1 to 148) and its name");
            return std::nullopt;
        }
        const int item = *found;
        if (!IsNameOf(item, tokens[1].text)) {
            reader.Error(line, std::to_string(item) + " is " + NamesOf(item) + ", not " + tokens[1].text);
            return std::nullopt;
        }
        return item;
    }

    // The record of the verb written after the id and name.
    static bool ReadVerb(SourceReader& reader, int line, const std::vector<Token>& tokens,
                         KeyedText& record) {
        std::vector<std::string> forms;
        for (std::size_t i = 2; i < tokens.size(); ++i) {
            auto text = reader.Text(tokens[i], line);
            if (!text) return false;
            forms.push_back(std::move(*text));
        }
        std::string verb;
        if (forms.size() == 2 && tokens[2].kind == Token::Kind::kWord && forms[0] == kBe) {
            verb = std::string(1, kSharedVerb) + " " + forms[1];
        } else if (forms.size() == kWrittenForms) {
            verb = CommonBeginning(forms);
            for (const FormKey& form : kFormKeys)
                record.SetEntry(form.key, kPTextText, forms[form.written].substr(verb.size()).c_str());
        } else {
            reader.Error(line,
                         "the verb is be and the rest of the phrase, or five forms: infinitive, present "
                         "for one, past, present participle, past participle");
            return false;
        }
        if (verb.size() > kVerbLength) {
            reader.Error(line, "the verb's stored beginning has " + std::to_string(verb.size()) +
                                   " characters; the program reads at most " + std::to_string(kVerbLength));
            return false;
        }
        record.SetEntry("B", kPTextText, verb.c_str());
        return true;
    }

    static std::string CommonBeginning(const std::vector<std::string>& forms) {
        std::size_t length = forms[0].size();
        for (const std::string& form : forms) {
            std::size_t same = 0;
            while (same < length && same < form.size() && form[same] == forms[0][same]) ++same;
            length = same;
        }
        return forms[0].substr(0, length);
    }
};

}  // namespace

const SetSourceKind& VerbSource() {
    static const VerbKind kind;
    return kind;
}
