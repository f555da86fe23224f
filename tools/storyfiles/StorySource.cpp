#include "storyfiles/StorySource.h"

#include <optional>

#include "datafiles/TextNotation.h"

namespace {

struct Line {
    int number = 0;
    std::size_t indent = 0;
    std::string text;  // without the indentation; empty for a blank line
};

bool IsBlankLine(const Line& line) { return line.text.empty(); }

std::string Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// The first word of a line and the rest after it, trimmed.
void SplitWord(std::string_view text, std::string& word, std::string& rest) {
    const std::size_t end = text.find(' ');
    word = std::string(text.substr(0, end));
    rest = end == std::string_view::npos ? std::string() : Trimmed(text.substr(end));
}

class StoryParser {
public:
    StoryParser(const std::string& path, std::string_view contents, StorySource& story,
                Diagnostics& diagnostics)
        : story_(story), diagnostics_(diagnostics) {
        story_.path = path;
        ReadLines(contents);
    }

    void Parse() {
        std::size_t i = 0;
        while (i < lines_.size()) {
            const Line& line = lines_[i];
            if (IsBlankLine(line)) {
                ++i;
                continue;
            }
            const std::size_t end = EndOfChildren(i);
            if (line.indent > 0) {
                Error(line.number, "a statement starts at the left margin; this line belongs to none");
            } else {
                Statement(i, end);
            }
            i = end;
        }
        if (!titled_) Error(0, "the story has no title");
    }

private:
    void ReadLines(std::string_view contents) {
        int number = 0;
        std::size_t start = 0;
        while (start < contents.size()) {
            std::size_t end = contents.find('\n', start);
            if (end == std::string_view::npos) end = contents.size();
            std::string_view text = contents.substr(start, end - start);
            start = end + 1;
            ++number;
            if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
            const std::size_t indent = text.find_first_not_of(' ');
            if (indent == std::string_view::npos) {
                lines_.push_back({number, 0, {}});
                continue;
            }
            if (text[indent] == '#') continue;
            if (text[indent] == '\t') {
                Error(number, "indent with blanks, not tabs");
                continue;
            }
            lines_.push_back({number, indent, Trimmed(text.substr(indent))});
        }
    }

    // The index after the lines indented under lines_[i] (blank lines inside them included).
    std::size_t EndOfChildren(std::size_t i) const {
        std::size_t end = i + 1;
        for (std::size_t j = i + 1; j < lines_.size(); ++j) {
            if (IsBlankLine(lines_[j])) continue;
            if (lines_[j].indent <= lines_[i].indent) break;
            end = j + 1;
        }
        return end;
    }

    void Error(int line, const std::string& message) { diagnostics_.Error({story_.path, line}, message); }

    // The stored bytes of one line's text.
    std::string Decode(std::string_view text, int line) {
        std::string error;
        const std::optional<std::string> bytes = DecodeNotation(text, Notation::kPlain, kNoVariables, error);
        if (!bytes) {
            Error(line, error);
            return {};
        }
        if (bytes->find('\0') != std::string::npos) Error(line, "a text cannot hold a NUL byte");
        return *bytes;
    }

    // The text that starts with `first` on lines_[i] and goes on over the lines [begin, end).
    StoryText Text(std::string_view first, std::size_t i, std::size_t begin, std::size_t end) {
        StoryText text{lines_[i].number, Decode(first, lines_[i].number)};
        bool paragraph = false;
        for (std::size_t j = begin; j < end; ++j) {
            if (IsBlankLine(lines_[j])) {
                paragraph = !text.bytes.empty();
                continue;
            }
            if (!text.bytes.empty()) text.bytes += paragraph ? '\n' : ' ';
            paragraph = false;
            text.bytes += Decode(lines_[j].text, lines_[j].number);
        }
        return text;
    }

    void NoChildren(std::size_t i, std::size_t end, const std::string& word) {
        if (end > i + 1) Error(lines_[i + 1].number, "\"" + word + "\" takes nothing on the lines below it");
    }

    void Statement(std::size_t i, std::size_t end) {
        std::string word;
        std::string rest;
        SplitWord(lines_[i].text, word, rest);
        const int number = lines_[i].number;
        if (word == "title") {
            NoChildren(i, end, word);
            if (titled_) Error(number, "the story has one title");
            titled_ = true;
            story_.title = Text(rest, i, end, end);
            if (story_.title.bytes.empty()) Error(number, "the title is empty");
        } else if (word == "info") {
            std::string key;
            std::string text;
            SplitWord(rest, key, text);
            if (key.empty()) Error(number, "\"info\" names the key of the story's information record");
            story_.info.push_back({key, Text(text, i, i + 1, end)});
        } else if (word == "storyform") {
            Block(i, end, [&](const StoryField& field) {
                if (field.continued)
                    Error(field.line, "a storyform choice is one line: the code and the value's name");
                story_.choices.push_back({field.line, field.name, field.value});
            });
        } else if (word == "storytelling") {
            Block(i, end, [&](const StoryField& field) {
                story_.storytelling.push_back({field.name, field.text});
            });
        } else if (word == "character") {
            StoryCharacter character{number, rest, {}};
            if (rest.empty()) Error(number, "a character has a name");
            Block(i, end, [&](const StoryField& field) { character.fields.push_back(field); });
            story_.characters.push_back(std::move(character));
        } else if (word == "scene") {
            StoryScene scene{number, rest, {}};
            Block(i, end, [&](const StoryField& field) { scene.fields.push_back(field); });
            story_.scenes.push_back(std::move(scene));
        } else if (word == "relationship") {
            const std::size_t amp = rest.find(" & ");
            if (amp == std::string::npos) {
                Error(number, "a relationship names two characters: \"relationship A & B\"");
                return;
            }
            story_.relationships.push_back({number, Trimmed(rest.substr(0, amp)),
                                            Trimmed(rest.substr(amp + 3)), Text("", i, i + 1, end)});
        } else {
            Error(number, "unknown statement \"" + word +
                              "\" (a story knows: title, info, storyform, character, relationship, scene, "
                              "storytelling)");
        }
    }

    // The fields of the block whose first line is lines_[i].
    template <typename Take>
    void Block(std::size_t i, std::size_t end, Take take) {
        std::string word;
        std::string rest;
        SplitWord(lines_[i].text, word, rest);
        if (word == "storyform" || word == "storytelling") {
            if (!rest.empty())
                Error(lines_[i].number, "\"" + word + "\" takes its fields on the lines below it");
        }
        std::size_t fieldIndent = 0;
        std::size_t j = i + 1;
        while (j < end) {
            const Line& line = lines_[j];
            if (IsBlankLine(line)) {
                ++j;
                continue;
            }
            if (fieldIndent == 0) fieldIndent = line.indent;
            const std::size_t fieldEnd = EndOfChildren(j);
            if (line.indent != fieldIndent) {
                Error(line.number, "the fields of a block stand one below the other, equally indented");
            } else {
                StoryField field;
                field.line = line.number;
                SplitWord(line.text, field.name, field.value);
                field.text = Text(field.value, j, j + 1, fieldEnd);
                field.continued = fieldEnd > j + 1;
                take(field);
            }
            j = fieldEnd;
        }
    }

    inline static const Variables kNoVariables;
    StorySource& story_;
    Diagnostics& diagnostics_;
    std::vector<Line> lines_;
    bool titled_ = false;
};

}  // namespace

bool ParseStorySource(const std::string& path, std::string_view contents, StorySource& story,
                      Diagnostics& diagnostics) {
    const std::size_t errors = diagnostics.Messages().size();
    StoryParser(path, contents, story, diagnostics).Parse();
    return diagnostics.Messages().size() == errors;
}
