#pragma once
// The body of the dictionary and story point sources: entries, each a heading line and its
// fields, one a line, the field's word and then its text up to the line's end. A line that starts
// with a blank goes on the text above it (joined with one blank), so a long text reads as a
// paragraph:
//   = 85 Ability
//   name      Ability
//   long      Ability is the capacity ...
//             ... and so on.
// Texts are written in the styled notation (TextNotation.h). The bytes that mean something of
// their own to the program - the style delimiters 0xC7 and 0xC8, the bullet 0x95 and the escape
// byte 0xB0 - are written with escapes (<B+>, \x95 ...), never as the characters Ç, È, • and °,
// so that a reader of the source sees them.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/SourceReader.h"

struct EntryField {
    std::string text;  // as written, its lines joined
    int line = 0;
};

struct SourceEntry {
    int line = 0;
    std::vector<std::string> heading;  // the words after '='
    std::map<std::string, EntryField, std::less<>> fields;
};

// Reads every entry of the body; a field outside the listed ones, a field given twice and text
// before the first heading are reported.
std::vector<SourceEntry> ReadEntries(SourceReader& reader, const std::vector<std::string_view>& fieldNames);

// The stored bytes of a field's text; nothing (after reporting) when it is not sound.
std::optional<std::string> FieldBytes(SourceReader& reader, const EntryField& field);

// False (after reporting) when the source text writes a character whose byte means something of
// its own to the program as it stands.
bool CheckReservedCharacters(SourceReader& reader, std::string_view text, int line);
