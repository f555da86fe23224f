#include "datafiles/TextNotation.h"

#include <cstdio>

#include "platform/sys/Cp1252.h"
#include "storymodel/FablecoreStringConverter.h"

namespace {

constexpr unsigned char kEscapeByte = FablecoreStringConverter::kEscape;
constexpr unsigned char kCodeStart = 0xC7;
constexpr unsigned char kCodeEnd = 0xC8;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string HexEscape(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

// A '-' and digits, at least one, starting at text[i]; i moves past them.
bool TakeNumber(std::string_view text, std::size_t& i) {
    if (i < text.size() && text[i] == '-') ++i;
    const std::size_t digits = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i > digits;
}

// The stored form of a character that the reader is to see as it stands.
std::string ForReader(unsigned char byte) {
    const char source[2] = {static_cast<char>(byte), '\0'};
    char stored[4];
    SharedStringConverter().Encode(source, stored, sizeof stored);
    return stored;
}

// The character the reader sees for an escape pair at bytes[i], or -1 when the pair is no escape.
int ReaderCharacter(std::string_view bytes, std::size_t i) {
    if (i + 1 >= bytes.size() || static_cast<unsigned char>(bytes[i]) != kEscapeByte ||
        bytes[i + 1] == '\0') {
        return -1;
    }
    const char pair[3] = {bytes[i], bytes[i + 1], '\0'};
    char shown[3];
    SharedStringConverter().Decode(pair, shown, sizeof shown);
    return shown[1] == '\0' ? static_cast<unsigned char>(shown[0]) : -1;
}

// The body of a style markup starting at source[i] ('<'), or nothing.
std::optional<std::string_view> MarkupAt(std::string_view text, std::size_t i) {
    const std::size_t close = text.find('>', i + 1);
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view body = text.substr(i + 1, close - i - 1);
    if (!IsStyleMarkup(body)) return std::nullopt;
    return body;
}

// One UTF-8 character of the source at source[i] as its Windows-1252 byte; i moves past it.
std::optional<unsigned char> TakeCharacter(std::string_view source, std::size_t& i, std::string& error) {
    const auto lead = static_cast<unsigned char>(source[i]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    const std::string_view character = source.substr(i, length);
    i += character.size();
    const std::string converted = win::Utf8ToCp1252(character);
    if (converted.size() != 1 || (converted == "?" && character != "?")) {
        error = "\"" + std::string(character) + "\" has no Windows-1252 character; write it as \\xHH";
        return std::nullopt;
    }
    return static_cast<unsigned char>(converted[0]);
}

}  // namespace

bool IsStyleMarkup(std::string_view body) {
    if (body.size() == 2) {
        return (body[0] == 'B' || body[0] == 'I' || body[0] == 'U') && (body[1] == '+' || body[1] == '-');
    }
    if (body.size() < 7 || body.substr(0, 2) != "M(" || body.back() != ')') return false;
    std::size_t i = 2;
    for (int number = 0; number < 3; ++number) {
        if (!TakeNumber(body, i)) return false;
        const char expected = number < 2 ? ',' : ')';
        if (i >= body.size() || body[i] != expected) return false;
        ++i;
    }
    return i == body.size();
}

std::optional<std::string> DecodeNotation(std::string_view source, Notation notation,
                                          const Variables& variables, std::string& error) {
    const bool styled = notation == Notation::kStyled;
    std::string out;
    std::size_t i = 0;
    while (i < source.size()) {
        const char c = source[i];
        if (c == '\\') {
            if (i + 1 >= source.size()) {
                error = "the text ends in a lone backslash";
                return std::nullopt;
            }
            const char escape = source[i + 1];
            i += 2;
            switch (escape) {
                case 'n': out += '\n'; break;
                case 'r': out += '\r'; break;
                case 't': out += '\t'; break;
                case 'f': out += '\f'; break;
                case '"': out += '"'; break;
                case '\'': out += '\''; break;
                case '$': out += '$'; break;
                case '\\': out += styled ? ForReader('\\') : "\\"; break;
                case 'x': {
                    const int high = i < source.size() ? HexValue(source[i]) : -1;
                    const int low = i + 1 < source.size() ? HexValue(source[i + 1]) : -1;
                    if (high < 0 || low < 0) {
                        error = "\\x needs two hexadecimal digits";
                        return std::nullopt;
                    }
                    out += static_cast<char>(high * 16 + low);
                    i += 2;
                    break;
                }
                case '{':
                case '}':
                case '/':
                case '<':
                    if (styled) {
                        out += escape == '<' ? "<" : ForReader(static_cast<unsigned char>(escape));
                        break;
                    }
                    [[fallthrough]];
                default: error = std::string("unknown escape \\") + escape; return std::nullopt;
            }
            continue;
        }
        if (c == '$' && i + 1 < source.size() && source[i + 1] == '{') {
            const std::size_t close = source.find('}', i + 2);
            if (close == std::string_view::npos) {
                error = "a ${ without its }";
                return std::nullopt;
            }
            const std::string_view name = source.substr(i + 2, close - i - 2);
            const auto value = variables.find(name);
            if (value == variables.end()) {
                error = "no build variable ${" + std::string(name) + "}";
                return std::nullopt;
            }
            const std::string converted = win::Utf8ToCp1252(value->second);
            out += converted;
            i = close + 1;
            continue;
        }
        if (styled && c == '<') {
            if (const auto body = MarkupAt(source, i)) {
                out += static_cast<char>(kCodeStart);
                out += *body;
                out += static_cast<char>(kCodeEnd);
                i += body->size() + 2;
                continue;
            }
        }
        const auto byte = TakeCharacter(source, i, error);
        if (!byte) return std::nullopt;
        const bool special = *byte == kEscapeByte || *byte == kCodeStart || *byte == kCodeEnd;
        if (styled && special) {
            out += ForReader(*byte);
        } else {
            out += static_cast<char>(*byte);
        }
    }
    return out;
}

std::string EncodeNotation(std::string_view bytes, Notation notation, bool quoted) {
    const bool styled = notation == Notation::kStyled;
    std::size_t lineBreaksEnd = bytes.size();
    while (!quoted && lineBreaksEnd > 0 && bytes[lineBreaksEnd - 1] == '\n') --lineBreaksEnd;
    std::string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (styled) {
            const int shown = ReaderCharacter(bytes, i);
            if (shown >= 0) {
                switch (shown) {
                    case '{':
                    case '}':
                    case '/':
                    case '\\': out += '\\', out += static_cast<char>(shown); break;
                    default: out += win::Cp1252ToUtf8(std::string(1, static_cast<char>(shown)));
                }
                i += 2;
                continue;
            }
            if (b == kCodeStart) {
                const std::size_t close = bytes.find(static_cast<char>(kCodeEnd), i + 1);
                const std::string_view body =
                    close == std::string_view::npos ? std::string_view() : bytes.substr(i + 1, close - i - 1);
                if (close != std::string_view::npos && IsStyleMarkup(body)) {
                    out += '<';
                    out += body;
                    out += '>';
                    i = close + 1;
                    continue;
                }
            }
            if (b == '<' && MarkupAt(bytes, i)) {
                out += "\\<";
                ++i;
                continue;
            }
        }
        const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        const bool special = b == kEscapeByte || b == kCodeStart || b == kCodeEnd;
        if (b == '\n') {
            out += quoted || i >= lineBreaksEnd ? "\\n" : "\n";
        } else if (b == '\r') {
            out += "\\r";
        } else if (b == '\t') {
            out += "\\t";
        } else if (b == '\f') {
            out += "\\f";
        } else if (b == '"' && quoted) {
            out += "\\\"";
        } else if (b == '\\') {
            out += styled ? "\\x5C" : "\\\\";
        } else if (b == '$' && i + 1 < bytes.size() && bytes[i + 1] == '{') {
            out += "\\$";
        } else if (b < 0x20 || b == 0x7F || undefined || (styled && special)) {
            out += HexEscape(b);
        } else {
            out += win::Cp1252ToUtf8(bytes.substr(i, 1));
        }
        ++i;
    }
    return out;
}
