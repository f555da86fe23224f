#pragma once
// The text of a profile (INI) file, read into lines and changed line by line, so that everything a
// change does not touch (comments, blank lines, lines that mean nothing here, the order of it all)
// is written back as it was.
//
// A section starts at a line "[name]" and holds the entries "key=value" up to the next section.
// Lines starting with ';' are comments; other lines without '=', entries before the first section,
// entries whose key is empty or holds a NUL, and sections whose name is empty or holds a NUL (with
// the entries under them) are kept but mean nothing, so that every name listed reads back. Section
// and key names are compared without regard to case, blanks around them ignored; where a name
// appears twice, the first counts. A value is read without the blanks around it and without one
// pair of quotes (" or ') enclosing it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win {

class ProfileText {
public:
    ProfileText() = default;
    // Lines end at "\n" or "\r\n"; the first line end found is the one new lines get.
    explicit ProfileText(std::string_view text);

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Each name once, in the order of the text.
    std::vector<std::string> SectionNames() const;
    std::vector<std::string> KeyNames(std::string_view section) const;

    // Whether a name or value can be written so that it reads back the same: not empty (names), no
    // line breaks or NULs, no ']' in a section name, no '=' in a key and no '[' or ';' starting it.
    static bool IsValidSectionName(std::string_view section);
    static bool IsValidKeyName(std::string_view key);
    static bool IsValidValue(std::string_view value);

    // Each change answers whether the text changed. Names and values must be valid. A new key goes
    // after the last line of its section, a new section at the end of the text. A value with
    // blanks around it or quotes enclosing it is written in quotes, so that it reads back whole.
    bool SetValue(std::string_view section, std::string_view key, std::string_view value);
    // Every entry of the key in the section.
    bool DeleteKey(std::string_view section, std::string_view key);
    // Every section of the name, with all its lines.
    bool DeleteSection(std::string_view section);

    std::string Text() const;

private:
    // A damaged section's header ends the section before it, but it is never found.
    enum class Kind { kOther, kSection, kDamagedSection, kEntry };
    struct Line {
        std::string text;
        Kind kind = Kind::kOther;
        std::string name;  // of a section or an entry, without the blanks around it
    };

    static Line Parse(std::string text);
    std::optional<std::size_t> FindSection(std::string_view section, std::size_t from = 0) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::optional<std::size_t> FindEntry(std::size_t header, std::string_view key) const;

    std::vector<Line> lines_;
    std::string newline_ = "\n";
};

}  // namespace win
