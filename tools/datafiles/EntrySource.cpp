#include "datafiles/EntrySource.h"

#include <algorithm>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last + 1 - first));
}

// The characters whose bytes mean something of their own to the program, and why they are not
// written as they are.
struct Reserved {
    std::string_view character;  // UTF-8
    std::string_view why;
};
constexpr Reserved kReserved[] = {
    {"\xC3\x87", "its byte 0xC7 starts a style code; write style codes as <B+>, <B->, <I+> ..."},
    {"\xC3\x88", "its byte 0xC8 ends a style code; write style codes as <B+>, <B->, <I+> ..."},
    {"\xE2\x80\xA2", "write the bullet as \\x95"},
    {"\xC2\xB0", "its byte 0xB0 starts the program's escapes"},
};

}  // namespace

std::vector<SourceEntry> ReadEntries(SourceReader& reader, const std::vector<std::string_view>& fieldNames) {
    std::vector<SourceEntry> entries;
    EntryField* last = nullptr;
    for (const SourceLine& line : reader.Statements()) {
        if (IsBlank(line.text[0])) {
            if (!last) {
                reader.Error(line.number,
                             "an indented line goes on the text of the field above; there is none");
            } else {
                last->text += " " + Trimmed(line.text);
            }
            continue;
        }
        last = nullptr;
        const std::string text = Trimmed(line.text);
        if (text[0] == '=') {
            SourceEntry entry;
            entry.line = line.number;
            std::vector<Token> tokens;
            if (!reader.Tokenize({line.number, text.substr(1)}, tokens)) continue;
            for (const Token& token : tokens) entry.heading.push_back(token.text);
            entries.push_back(std::move(entry));
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
        const std::string word = text.substr(0, end);
        if (entries.empty()) {
            reader.Error(line.number, "a field before the first entry: an entry starts with = and its id");
            continue;
        }
        if (std::find(fieldNames.begin(), fieldNames.end(), word) == fieldNames.end()) {
            std::string known;
            for (std::string_view name : fieldNames) known += (known.empty() ? "" : ", ") + std::string(name);
            reader.Error(line.number, "unknown field " + word + "; an entry has " + known);
            continue;
        }
        const auto [place, added] =
            entries.back().fields.try_emplace(word, EntryField{Trimmed(text.substr(end)), line.number});
        if (!added) {
            reader.Error(line.number, "the field " + word + " is given twice (first at line " +
                                          std::to_string(place->second.line) + ")");
            continue;
        }
        last = &place->second;
    }
    return entries;
}

bool CheckReservedCharacters(SourceReader& reader, std::string_view text, int line) {
    for (const Reserved& reserved : kReserved) {
        if (text.find(reserved.character) != std::string_view::npos) {
            reader.Error(line, std::string(reserved.character) +
                                   " is not written as it stands: " + std::string(reserved.why));
            return false;
        }
    }
    return true;
}

std::optional<std::string> FieldBytes(SourceReader& reader, const EntryField& field) {
    if (!CheckReservedCharacters(reader, field.text, field.line)) return std::nullopt;
    std::string error;
    auto bytes = DecodeNotation(field.text, Notation::kStyled, reader.GetVariables(), error);
    if (!bytes) {
        reader.Error(field.line, error);
    } else if (bytes->find('\0') != std::string::npos) {
        reader.Error(field.line, "a text cannot hold a NUL byte: it would end there");
        bytes.reset();
    }
    return bytes;
}
