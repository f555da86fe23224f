#pragma once
// One data source file as the compiler reads it: its lines, its header and the helpers every kind
// of source uses to read its body and to report errors at their lines.
//
// Every source starts, after any comment lines, with its header:
//   <kind> '<type>' <id> [priority <0-7>] [preload] [options of the kind]
// for example "keys 'INFO' 0". A line whose first character other than blanks is '#' is a comment,
// except in the bodies of text sources, which are taken as they stand.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/Diagnostics.h"
#include "datafiles/Segment.h"
#include "datafiles/TextNotation.h"

struct SourceLine {
    int number = 0;
    std::string text;
};

struct Token {
    enum class Kind { kWord, kQuoted, kType };  // a bare word, "a text", 'a type'
    Kind kind = Kind::kWord;
    std::string text;  // as written, without the quotes
};

struct SegmentHeader {
    std::string kind;
    PFMSegmentKey key;
    int priority = kDefaultSegmentPriority;
    bool preload = false;
    std::vector<std::string> options;  // the words the kind reads itself
};

// Gives the bytes of a file that a source names (a picture's image), or nothing when there is none.
using CompanionLoader = std::function<std::optional<std::vector<std::uint8_t>>(const std::string& name)>;

class SourceReader {
public:
    SourceReader(std::string path, std::string_view contents, const Variables& variables,
                 Diagnostics& diagnostics, CompanionLoader companions);

    const std::string& Path() const { return path_; }
    const Variables& GetVariables() const { return variables_; }

    // Reads the header; false (after reporting) when there is none or it is not sound.
    bool ReadHeader(SegmentHeader& header);
    // Reads the header of a source that makes many segments: its kind and the kind's options,
    // words without a segment type or id ("dictionary elements"); false (after reporting) when
    // there is none.
    bool ReadSetHeader(std::string& kind, std::vector<std::string>& options);
    int HeaderLine() const { return headerLine_; }
    // The lines after the header, as they stand.
    std::vector<SourceLine> BodyLines() const;
    // The lines after the header that are neither blank nor comments.
    std::vector<SourceLine> Statements() const;

    void Error(int line, const std::string& message);
    SourcePlace Place(int line) const { return {path_, line}; }
    bool HasErrors() const { return errors_ > 0; }

    // Splits a line into tokens; false (after reporting) for an unterminated quote.
    bool Tokenize(const SourceLine& line, std::vector<Token>& tokens);
    // The stored bytes of a quoted text (in the notation) or of a word (plain).
    std::optional<std::string> Text(const Token& token, int line, Notation notation = Notation::kPlain);
    // A whole number, decimal or 0x hexadecimal, within the range; what names it in errors.
    std::optional<std::int64_t> Number(const Token& token, int line, std::int64_t min, std::int64_t max,
                                       std::string_view what);
    // Several quoted texts in a row (a long text written over several parts), joined.
    std::optional<std::string> JoinedText(const std::vector<Token>& tokens, std::size_t first, int line,
                                          Notation notation);
    // The bytes of a file the source names, relative to the source's folder.
    std::optional<std::vector<std::uint8_t>> Companion(const std::string& name, int line);

private:
    // Finds the header line and splits it; false (after reporting) when there is none.
    bool ReadHeaderTokens(std::string_view example, std::vector<Token>& tokens);

    std::string path_;
    std::vector<SourceLine> lines_;
    const Variables& variables_;
    Diagnostics& diagnostics_;
    CompanionLoader companions_;
    std::size_t bodyStart_ = 0;
    int headerLine_ = 0;
    int errors_ = 0;
};

// Parses a whole number written as a source word (decimal, or hexadecimal after 0x, with an
// optional sign).
std::optional<std::int64_t> ParseSourceNumber(std::string_view word);

// A header line for a segment, as sources write it.
std::string HeaderText(std::string_view kind, const SegmentData& segment, std::string_view options = {});
