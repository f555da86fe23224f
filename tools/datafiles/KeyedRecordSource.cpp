// Keyed records as sources: one entry per line, its key, its type letter and its value.
//   keys 'INFO' 0
//   MajVer s 1
//   Vers c "${VERSION}"
//   CreditA c "First line\n"
//             "second line"
// A key with blanks or special characters is quoted. A text may go on over the following lines as
// further quoted parts. The record is written as the keyed text records store it: entries in key
// order, each written anew. The macros of texts that the program reads as templates are checked
// (MacroCheck.h).

#include <charconv>
#include <cmath>
#include <limits>
#include <map>

#include "datafiles/MacroCheck.h"
#include "datafiles/PageKeywordCheck.h"
#include "datafiles/ReportConditionCheck.h"
#include "datafiles/SegmentTypes.h"
#include "foundation/pfm/KeyedText.h"
#include "foundation/pfm/PTextValue.h"

namespace {

struct Entry {
    std::string key;
    char type;
    RecordValue value;
};

bool IsWordCharacter(unsigned char c) {
    return c > ' ' && c < 0x7F && c != '"' && c != '\'' && c != '\\' && c != '#';
}

std::string KeyText(std::string_view key) {
    bool plain = !key.empty();
    for (unsigned char c : key) plain = plain && IsWordCharacter(c);
    return plain ? std::string(key) : "\"" + EncodeNotation(key, Notation::kPlain, true) + "\"";
}

// The integer range of a value type.
void TypeRange(char type, std::int64_t& min, std::int64_t& max) {
    if (type == kPTextShort) {
        min = std::numeric_limits<std::int16_t>::min();
        max = std::numeric_limits<std::int16_t>::max();
    } else {
        min = std::numeric_limits<std::int32_t>::min();
        max = std::numeric_limits<std::int32_t>::max();
    }
}

class KeyedRecordKind : public SourceKind {
public:
    std::string_view Keyword() const override { return "keys"; }
    std::string_view Extension() const override { return ".keys"; }

    void Compile(SourceReader& reader, const SegmentHeader& header, CompiledSegment& segment) const override {
        RefuseOptions(reader, header);
        const SegmentType* type = FindSegmentType(segment.key.type);
        const RecordSchema* schema = type ? type->schema : nullptr;
        std::map<std::string, Entry, std::less<>> entries;
        Entry* last = nullptr;
        std::vector<Token> tokens;
        for (const SourceLine& line : reader.Statements()) {
            if (!reader.Tokenize(line, tokens)) continue;
            if (tokens.front().kind == Token::Kind::kQuoted && ContinuesText(tokens)) {
                if (!last || last->type != kPTextText) {
                    reader.Error(line.number,
                                 "a quoted text goes on the text of the entry above; there is none");
                } else if (auto more =
                               reader.JoinedText(tokens, 0, line.number, NotationOf(schema, last->key))) {
                    last->value.text += *more;
                }
                continue;
            }
            last = nullptr;
            Entry entry;
            if (!ReadEntry(reader, line, tokens, schema, entry)) continue;
            const auto [place, added] = entries.emplace(entry.key, entry);
            if (!added) {
                reader.Error(line.number, "the key " + KeyText(entry.key) +
                                              " is given twice (first at line " +
                                              std::to_string(place->second.value.line) + ")");
                continue;
            }
            last = &place->second;
        }
        std::vector<std::string_view> keys;
        for (const auto& [key, entry] : entries) keys.push_back(key);
        // A check about the record as a whole reports at its header.
        const RecordError recordError = [&](int line, const std::string& message) {
            reader.Error(line > 0 ? line : reader.HeaderLine(), message);
        };
        const RecordValueLookup recordValue = [&](std::string_view key) -> const RecordValue* {
            const auto found = entries.find(key);
            return found == entries.end() ? nullptr : &found->second.value;
        };
        if (schema && schema->check) schema->check(keys, recordValue, recordError);
        if (schema && schema->checkNumbered)
            schema->checkNumbered(segment.key.id, keys, recordValue, recordError);
        KeyedText record;
        for (const auto& [key, entry] : entries) {
            if (!CheckLength(reader, schema, entry)) continue;
            if (entry.type == kPTextText && NotationOf(schema, key) == Notation::kStyled) {
                const int line = entry.value.line;
                const auto check = schema->pageTemplates     ? CheckPageTemplate
                                   : schema->reportTemplates ? CheckReportTemplate
                                                             : CheckMacros;
                check(
                    entry.value.text, reader.Place(line),
                    [&](const std::string& message) { reader.Error(line, message); }, segment);
            }
            Store(reader, record, entry);
            segment.keyLines.emplace(key, entry.value.line);
        }
        const std::vector<char>& text = record.Write();
        segment.bytes.assign(text.begin(), text.end());
    }

    std::optional<DecompiledSource> Decompile(const SegmentData& segment,
                                              const std::string& /*baseName*/) const override {
        if (segment.kind != kRawSegment) return std::nullopt;
        KeyedText record;
        if (record.Parse(reinterpret_cast<const char*>(segment.bytes.data()), segment.bytes.size()) !=
            kNoErr) {
            return std::nullopt;
        }
        const SegmentType* type = FindSegmentType(segment.key.type);
        const RecordSchema* schema = type ? type->schema : nullptr;
        DecompiledSource source(HeaderText(Keyword(), segment));
        const std::vector<char>& text = record.Text();
        std::int32_t cursor = 0;
        PTextEntry entry;
        for (std::int32_t result = record.FirstEntry(cursor, entry); result >= 0;
             result = record.NextEntry(cursor, entry)) {
            const char letter = static_cast<char>(entry.type);
            const bool isText = letter == kPTextText;
            const std::string_view value(text.data() + entry.valueOffset, entry.textSize - (isText ? 1 : 0));
            const std::string prefix = KeyText(entry.key) + " " + letter + " ";
            if (!isText) {
                source.text += prefix + std::string(value) + "\n";
                continue;
            }
            source.text += prefix + QuotedLines(value, NotationOf(schema, entry.key), prefix.size());
        }
        return source;
    }

private:
    // A line of quoted parts only goes on the text above; a line with a key and a type is an entry.
    static bool ContinuesText(const std::vector<Token>& tokens) {
        for (const Token& token : tokens) {
            if (token.kind != Token::Kind::kQuoted) return false;
        }
        return true;
    }

    static Notation NotationOf(const RecordSchema* schema, std::string_view key) {
        std::string why;
        const KeyRule* rule = schema ? schema->Find(key, why) : nullptr;
        return rule ? rule->notation : Notation::kPlain;
    }

    // A text as quoted parts, a new line after each line break.
    static std::string QuotedLines(std::string_view value, Notation notation, std::size_t indent) {
        std::string out;
        std::size_t start = 0;
        do {
            std::size_t end = value.find('\n', start);
            end = end == std::string_view::npos ? value.size() : end + 1;
            if (start > 0) out += std::string(indent, ' ');
            out += "\"" + EncodeNotation(value.substr(start, end - start), notation, true) + "\"\n";
            start = end;
        } while (start < value.size());
        return out;
    }

    static bool ReadEntry(SourceReader& reader, const SourceLine& line, const std::vector<Token>& tokens,
                          const RecordSchema* schema, Entry& entry) {
        if (tokens.size() < 3 || tokens[1].kind != Token::Kind::kWord || tokens[1].text.size() != 1 ||
            !IsPTextType(tokens[1].text[0])) {
            reader.Error(line.number, "an entry is a key, a type letter (c s i l f d x) and a value");
            return false;
        }
        const auto key = reader.Text(tokens[0], line.number);
        if (!key) return false;
        if (key->empty() || key->find_first_of(std::string("\\:\0", 3)) != std::string::npos) {
            reader.Error(line.number, "a key is not empty and holds no backslash, colon or NUL byte");
            return false;
        }
        entry.key = *key;
        entry.type = tokens[1].text[0];
        entry.value = {entry.type, {}, line.number};
        std::string why;
        const KeyRule* rule = schema ? schema->Find(entry.key, why) : nullptr;
        if (schema && !rule) {
            reader.Error(line.number, why.empty()
                                          ? "unknown key " + KeyText(entry.key) + ": " +
                                                std::string(schema->name) + " holds " + schema->KeyList()
                                          : "the key " + KeyText(entry.key) + " does not fit: " + why);
            return false;
        }
        if (rule && rule->type != entry.type) {
            reader.Error(line.number, KeyText(entry.key) + " is read as type " + rule->type);
            return false;
        }
        if (entry.type == kPTextText) {
            auto text = reader.JoinedText(tokens, 2, line.number, rule ? rule->notation : Notation::kPlain);
            if (!text) return false;
            entry.value.text = std::move(*text);
            return true;
        }
        if (tokens.size() != 3) {
            reader.Error(line.number, "a number entry has one value");
            return false;
        }
        return ReadNumber(reader, line.number, tokens[2], rule, entry);
    }

    static bool ReadNumber(SourceReader& reader, int line, const Token& token, const KeyRule* rule,
                           Entry& entry) {
        const std::string what = "the value of " + KeyText(entry.key);
        const bool floating =
            entry.type == kPTextFloat || entry.type == kPTextDouble || entry.type == kPTextExtended;
        if (!floating) {
            std::int64_t min = 0;
            std::int64_t max = 0;
            TypeRange(entry.type, min, max);
            if (rule && (rule->min != 0 || rule->max != 0)) min = rule->min, max = rule->max;
            const auto value = reader.Number(token, line, min, max, what);
            if (!value) return false;
            entry.value.text = std::to_string(*value);
            return true;
        }
        const auto word = reader.Text(token, line);
        if (!word) return false;
        double value = 0;
        const auto result = std::from_chars(word->data(), word->data() + word->size(), value);
        const bool fits = entry.type != kPTextFloat || std::abs(value) <= std::numeric_limits<float>::max();
        if (word->empty() || result.ec != std::errc() || result.ptr != word->data() + word->size() ||
            !std::isfinite(value) || !fits) {
            reader.Error(line, what + " must be a decimal number, not " + *word);
            return false;
        }
        entry.value.text = *word;
        return true;
    }

    static bool CheckLength(SourceReader& reader, const RecordSchema* schema, const Entry& entry) {
        std::string why;
        const KeyRule* rule = schema ? schema->Find(entry.key, why) : nullptr;
        const std::size_t limit = rule && rule->maxLength ? rule->maxLength : kPTextMaxTextValue;
        if (entry.type != kPTextText || entry.value.text.size() <= limit) return true;
        reader.Error(entry.value.line, "the text of " + KeyText(entry.key) + " has " +
                                           std::to_string(entry.value.text.size()) +
                                           " characters; the program reads at most " + std::to_string(limit));
        return false;
    }

    static void Store(SourceReader& reader, KeyedText& record, const Entry& entry) {
        if (entry.value.text.find('\0') != std::string::npos) {
            reader.Error(entry.value.line, "a text value cannot hold a NUL byte");
            return;
        }
        std::int32_t result = 0;
        if (entry.type == kPTextText) {
            result = record.SetEntry(entry.key, entry.type, entry.value.text.c_str());
        } else {
            // The text was checked above; the record reads it as the program will.
            char binary[8];
            ParsePTextNumber(entry.type, entry.value.text, binary);
            result = record.SetEntry(entry.key, entry.type, binary);
        }
        if (result < 0) {
            reader.Error(entry.value.line,
                         "the key " + KeyText(entry.key) +
                             " is too long: key, type letter and length take at most 24 characters");
        }
    }
};

}  // namespace

const SourceKind& KeyedRecordSource() {
    static const KeyedRecordKind kind;
    return kind;
}
