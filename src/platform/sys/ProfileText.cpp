#include "platform/sys/ProfileText.h"

#include <unordered_set>

#include "platform/sys/Cp1252.h"

namespace win {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Each name once, as its first line spells it.
class NameList {
public:
    void Add(const std::string& name) {
        std::string folded = name;
        for (char& c : folded) c = Cp1252ToLower(c);
        if (seen_.insert(std::move(folded)).second) names_.push_back(name);
    }
    std::vector<std::string> Take() { return std::move(names_); }

private:
    std::unordered_set<std::string> seen_;
    std::vector<std::string> names_;
};

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool IsQuoted(std::string_view text) {
    return text.size() >= 2 && IsQuote(text.front()) && text.back() == text.front();
}

bool HasLineBreak(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != text.npos;
}

// A name that a NUL-separated list cannot hold: an empty one would end the list, and a NUL would
// split the name in two.
bool IsListable(std::string_view name) { return !name.empty() && name.find('\0') == name.npos; }

std::string ValueOf(std::string_view line) {
    std::string_view value = Trim(line.substr(line.find('=') + 1));
    if (IsQuoted(value)) value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string Entry(std::string_view key, std::string_view value) {
    std::string line(key);
    line += '=';
    const bool padded = !value.empty() && (kBlanks.find(value.front()) != kBlanks.npos ||
                                           kBlanks.find(value.back()) != kBlanks.npos);
    if (padded || IsQuoted(value)) {
        line.append(1, '"').append(value).append(1, '"');
    } else {
        line += value;
    }
    return line;
}

}  // namespace

ProfileText::ProfileText(std::string_view text) {
    std::size_t start = 0;
    bool newlineFound = false;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const bool lastLine = end == std::string_view::npos;
        if (lastLine) end = text.size();
        std::string_view line = text.substr(start, end - start);
        // Carriage returns at a line's end are part of its line break, however many there are.
        const std::size_t length = line.find_last_not_of('\r') + 1;
        if (length < line.size() && !lastLine && !newlineFound) newline_ = "\r\n";
        line = line.substr(0, length);
        newlineFound = newlineFound || !lastLine;
        lines_.push_back(Parse(std::string(line)));
        start = end + 1;
    }
}

ProfileText::Line ProfileText::Parse(std::string text) {
    Line line;
    const std::string_view trimmed = Trim(text);
    if (trimmed.empty() || trimmed.front() == ';') {
        // blank or comment
    } else if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            line.name = Trim(trimmed.substr(1, close - 1));
            line.kind = IsListable(line.name) ? Kind::kSection : Kind::kDamagedSection;
        }
    } else if (const std::size_t equals = trimmed.find('='); equals != std::string_view::npos) {
        line.name = Trim(trimmed.substr(0, equals));
        if (IsListable(line.name)) line.kind = Kind::kEntry;
    }
    line.text = std::move(text);
    return line;
}

std::optional<std::size_t> ProfileText::FindSection(std::string_view section, std::size_t from) const {
    section = Trim(section);
    for (std::size_t i = from; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::kSection && Cp1252EqualNoCase(lines_[i].name, section)) return i;
    }
    return std::nullopt;
}

std::size_t ProfileText::SectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && lines_[end].kind != Kind::kSection &&
           lines_[end].kind != Kind::kDamagedSection)
        ++end;
    return end;
}

std::optional<std::size_t> ProfileText::FindEntry(std::size_t header, std::string_view key) const {
    key = Trim(key);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (lines_[i].kind == Kind::kEntry && Cp1252EqualNoCase(lines_[i].name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileText::Value(std::string_view section, std::string_view key) const {
    const std::optional<std::size_t> header = FindSection(section);
    if (!header) return std::nullopt;
    const std::optional<std::size_t> entry = FindEntry(*header, key);
    if (!entry) return std::nullopt;
    return ValueOf(lines_[*entry].text);
}

std::vector<std::string> ProfileText::SectionNames() const {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::kSection && FindSection(lines_[i].name) == i)
            names.push_back(lines_[i].name);
    }
    return names;
}

std::vector<std::string> ProfileText::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    const std::optional<std::size_t> header = FindSection(section);
    if (!header) return names;
    const std::size_t end = SectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        if (lines_[i].kind == Kind::kEntry && FindEntry(*header, lines_[i].name) == i)
            names.push_back(lines_[i].name);
    }
    return names;
}

bool ProfileText::IsValidSectionName(std::string_view section) {
    return !Trim(section).empty() && !HasLineBreak(section) && section.find(']') == section.npos;
}

bool ProfileText::IsValidKeyName(std::string_view key) {
    const std::string_view trimmed = Trim(key);
    return !trimmed.empty() && !HasLineBreak(key) && key.find('=') == key.npos && trimmed.front() != '[' &&
           trimmed.front() != ';';
}

bool ProfileText::IsValidValue(std::string_view value) { return !HasLineBreak(value); }

bool ProfileText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::optional<std::size_t> header = FindSection(section);
    if (!header) {
        if (!lines_.empty() && !Trim(lines_.back().text).empty()) lines_.push_back(Line{});
        lines_.push_back(Parse("[" + std::string(Trim(section)) + "]"));
        lines_.push_back(Parse(Entry(Trim(key), value)));
        return true;
    }
    if (const std::optional<std::size_t> entry = FindEntry(*header, key)) {
        if (ValueOf(lines_[*entry].text) == value) return false;
        lines_[*entry] = Parse(Entry(lines_[*entry].name, value));
        return true;
    }
    std::size_t last = *header;
    for (std::size_t i = *header + 1; i < SectionEnd(*header); ++i) {
        if (!Trim(lines_[i].text).empty()) last = i;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), Parse(Entry(Trim(key), value)));
    return true;
}

bool ProfileText::DeleteKey(std::string_view section, std::string_view key) {
    const std::optional<std::size_t> header = FindSection(section);
    if (!header) return false;
    bool changed = false;
    while (const std::optional<std::size_t> entry = FindEntry(*header, key)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*entry));
        changed = true;
    }
    return changed;
}

bool ProfileText::DeleteSection(std::string_view section) {
    bool changed = false;
    while (const std::optional<std::size_t> header = FindSection(section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(SectionEnd(*header)));
        changed = true;
    }
    return changed;
}

std::string ProfileText::Text() const {
    std::string text;
    for (const Line& line : lines_) text.append(line.text).append(newline_);
    return text;
}

}  // namespace win
