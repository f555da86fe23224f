#pragma once
// The story's information as the writer keeps it in the story's main record: its title, author and
// genre, the names of its two stories, and its synopses. The texts stay in their stored form (the
// shared text converter's escapes), so that what the writer typed is written back byte for byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "storymodel/StoryTextLimits.h"

class PText;

class StoryInformation {
public:
    // One text of the main record, its label (a template: "{NObje}" names the overall story) and
    // the most bytes it keeps as stored.
    struct Field {
        const char* key;
        const char* label;
        std::uint32_t Limit() const { return InfoTextLimit(key); }
    };
    // The one-line fields: title, author, genre and the names of the two stories.
    static constexpr std::size_t kLineCount = 5;
    static const std::array<Field, kLineCount> kLines;
    // The synopses, in the order the dialog offers them (the story's first).
    static constexpr std::size_t kSynopsisCount = 10;
    static const std::array<Field, kSynopsisCount> kSynopses;

    // Every text as the record holds it; a missing key reads as the empty text.
    void Read(PText& record);
    // Writes each text that differs from the record's; a text that became empty removes its key.
    // Answers whether the record changed.
    bool Write(PText& record) const;

    const std::string& Line(std::size_t i) const { return lines_[i]; }
    void SetLine(std::size_t i, std::string text);
    const std::string& Synopsis(std::size_t i) const { return synopses_[i]; }
    void SetSynopsis(std::size_t i, std::string text);

private:
    std::array<std::string, kLineCount> lines_;
    std::array<std::string, kSynopsisCount> synopses_;
};
