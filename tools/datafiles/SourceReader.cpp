#include "datafiles/SourceReader.h"

#include <charconv>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsComment(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    return first == std::string_view::npos || text[first] == '#';
}

}  // namespace

std::optional<std::int64_t> ParseSourceNumber(std::string_view word) {
    bool negative = false;
    if (!word.empty() && (word[0] == '-' || word[0] == '+')) {
        negative = word[0] == '-';
        word.remove_prefix(1);
    }
    int base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        word.remove_prefix(2);
    }
    std::int64_t value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value, base);
    if (word.empty() || result.ec != std::errc() || result.ptr != word.data() + word.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::string HeaderText(std::string_view kind, const SegmentData& segment, std::string_view options) {
    std::string text = std::string(kind) + " " + DescribeKey(segment.key);
    if (segment.priority != kDefaultSegmentPriority) text += " priority " + std::to_string(segment.priority);
    if (segment.preload) text += " preload";
    if (!options.empty()) text += " " + std::string(options);
    return text + "\n";
}

SourceReader::SourceReader(std::string path, std::string_view contents, const Variables& variables,
                           Diagnostics& diagnostics, CompanionLoader companions)
    : path_(std::move(path)),
      variables_(variables),
      diagnostics_(diagnostics),
      companions_(std::move(companions)) {
    int number = 0;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string_view::npos) end = contents.size();
        std::string_view text = contents.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        lines_.push_back({++number, std::string(text)});
        start = end + 1;
    }
}

void SourceReader::Error(int line, const std::string& message) {
    ++errors_;
    diagnostics_.Error(Place(line), message);
}

bool SourceReader::Tokenize(const SourceLine& line, std::vector<Token>& tokens) {
    tokens.clear();
    const std::string& text = line.text;
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        if (i >= text.size()) return true;
        Token token;
        if (text[i] == '"' || text[i] == '\'') {
            const char quote = text[i];
            token.kind = quote == '"' ? Token::Kind::kQuoted : Token::Kind::kType;
            std::size_t end = ++i;
            while (end < text.size() && text[end] != quote) end += text[end] == '\\' ? 2 : 1;
            if (end >= text.size()) {
                Error(line.number, std::string("a text without its closing ") + quote);
                return false;
            }
            token.text = text.substr(i, end - i);
            i = end + 1;
        } else {
            const std::size_t end = text.find_first_of(" \t", i);
            token.text = text.substr(i, end == std::string::npos ? std::string::npos : end - i);
            i = end == std::string::npos ? text.size() : end;
        }
        tokens.push_back(std::move(token));
    }
}

std::optional<std::string> SourceReader::Text(const Token& token, int line, Notation notation) {
    std::string error;
    auto bytes = DecodeNotation(token.text, token.kind == Token::Kind::kWord ? Notation::kPlain : notation,
                                variables_, error);
    if (!bytes) Error(line, error);
    return bytes;
}

std::optional<std::string> SourceReader::JoinedText(const std::vector<Token>& tokens, std::size_t first,
                                                    int line, Notation notation) {
    std::string joined;
    for (std::size_t i = first; i < tokens.size(); ++i) {
        if (tokens[i].kind != Token::Kind::kQuoted) {
            Error(line, "expected a quoted text, found " + tokens[i].text);
            return std::nullopt;
        }
        const auto part = Text(tokens[i], line, notation);
        if (!part) return std::nullopt;
        joined += *part;
    }
    return joined;
}

std::optional<std::int64_t> SourceReader::Number(const Token& token, int line, std::int64_t min,
                                                 std::int64_t max, std::string_view what) {
    std::optional<std::string> word = token.kind == Token::Kind::kWord ? Text(token, line) : std::nullopt;
    if (!word) {
        if (token.kind != Token::Kind::kWord) Error(line, std::string(what) + " must be a number");
        return std::nullopt;
    }
    const auto value = ParseSourceNumber(*word);
    if (!value) {
        Error(line, std::string(what) + " must be a whole number, not " + *word);
        return std::nullopt;
    }
    if (*value < min || *value > max) {
        Error(line, std::string(what) + " " + std::to_string(*value) + " is outside " + std::to_string(min) +
                        " to " + std::to_string(max));
        return std::nullopt;
    }
    return value;
}

bool SourceReader::ReadHeaderTokens(std::string_view example, std::vector<Token>& tokens) {
    std::size_t index = 0;
    while (index < lines_.size() && IsComment(lines_[index].text)) ++index;
    if (index == lines_.size()) {
        Error(0, "no header: a source starts with " + std::string(example));
        return false;
    }
    const SourceLine& line = lines_[index];
    headerLine_ = line.number;
    bodyStart_ = index + 1;
    return Tokenize(line, tokens);
}

bool SourceReader::ReadSetHeader(std::string& kind, std::vector<std::string>& options) {
    std::vector<Token> tokens;
    if (!ReadHeaderTokens("its kind, as in: dictionary elements", tokens)) return false;
    for (const Token& token : tokens) {
        if (token.kind != Token::Kind::kWord) {
            Error(headerLine_, "the header is the kind of source and its words, as in: dictionary elements");
            return false;
        }
    }
    kind = tokens.front().text;
    options.clear();
    for (std::size_t i = 1; i < tokens.size(); ++i) options.push_back(tokens[i].text);
    return true;
}

bool SourceReader::ReadHeader(SegmentHeader& header) {
    std::vector<Token> tokens;
    if (!ReadHeaderTokens("its kind, segment type and id, as in: keys 'INFO' 0", tokens)) return false;
    const SourceLine& line = lines_[bodyStart_ - 1];
    if (tokens.size() < 3 || tokens[0].kind != Token::Kind::kWord || tokens[1].kind != Token::Kind::kType) {
        Error(line.number, "the header is its kind, segment type and id, as in: keys 'INFO' 0");
        return false;
    }
    header.kind = tokens[0].text;
    const auto type = Text(tokens[1], line.number);
    if (!type) return false;
    if (type->size() != 4) {
        Error(line.number, "a segment type has four characters, not " + std::to_string(type->size()));
        return false;
    }
    const auto id = Number(tokens[2], line.number, 0, 0xFFFF, "the segment id");
    if (!id) return false;
    header.key = {MakeFourCC((*type)[0], (*type)[1], (*type)[2], (*type)[3]),
                  static_cast<std::uint16_t>(*id)};
    for (std::size_t i = 3; i < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Kind::kWord && tokens[i].text == "priority" && i + 1 < tokens.size()) {
            const auto priority = Number(tokens[++i], line.number, 0, 7, "the priority");
            if (!priority) return false;
            header.priority = static_cast<int>(*priority);
        } else if (tokens[i].kind == Token::Kind::kWord && tokens[i].text == "preload") {
            header.preload = true;
        } else {
            header.options.push_back(tokens[i].text);
        }
    }
    if (header.preload && header.priority == 0) {
        Error(line.number, "a preloaded segment needs a priority above 0");
        return false;
    }
    return true;
}

std::vector<SourceLine> SourceReader::BodyLines() const {
    return std::vector<SourceLine>(lines_.begin() + static_cast<std::ptrdiff_t>(bodyStart_), lines_.end());
}

std::vector<SourceLine> SourceReader::Statements() const {
    std::vector<SourceLine> statements;
    for (std::size_t i = bodyStart_; i < lines_.size(); ++i) {
        if (!IsComment(lines_[i].text)) statements.push_back(lines_[i]);
    }
    return statements;
}

std::optional<std::vector<std::uint8_t>> SourceReader::Companion(const std::string& name, int line) {
    auto bytes = companions_ ? companions_(name) : std::nullopt;
    if (!bytes) Error(line, "cannot read " + name);
    return bytes;
}
