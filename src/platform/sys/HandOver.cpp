#include "platform/sys/HandOver.h"

#include <cstdint>

namespace win {
namespace {

constexpr std::string_view kMark = "FCH1";

void AppendNumber(std::string& out, std::uint32_t number) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((number >> shift) & 0xFF);
}

// Takes a number off the front of the text.
bool TakeNumber(std::string_view& text, std::uint32_t& number) {
    if (text.size() < 4) return false;
    number = 0;
    for (int i = 0; i < 4; ++i) number = number << 8 | static_cast<unsigned char>(text[i]);
    text.remove_prefix(4);
    return true;
}

bool TakeText(std::string_view& text, std::string& out) {
    std::uint32_t length = 0;
    if (!TakeNumber(text, length) || length > text.size()) return false;
    out.assign(text.substr(0, length));
    text.remove_prefix(length);
    return true;
}

void AppendPiece(std::string& line, std::string_view piece) {
    if (!line.empty()) line += ' ';
    const bool quoted = piece.find_first_of(" \t\r\n") != std::string_view::npos;
    if (quoted) line += '"';
    for (char c : piece) line += c == '\r' || c == '\n' ? ' ' : c;
    if (quoted) line += '"';
}

}  // namespace

bool EncodeHandOver(const HandOver& handOver, std::string& request) {
    if (handOver.arguments.size() > kMaxHandOverArguments) return false;
    request.assign(kMark);
    AppendNumber(request, static_cast<std::uint32_t>(handOver.arguments.size() + 1));
    auto append = [&request](const std::string& text) {
        AppendNumber(request, static_cast<std::uint32_t>(text.size()));
        request += text;
    };
    append(handOver.folder);
    for (const std::string& argument : handOver.arguments) append(argument);
    return request.size() <= kMaxHandOverSize;
}

bool DecodeHandOver(std::string_view request, HandOver& handOver) {
    if (request.size() > kMaxHandOverSize || request.substr(0, kMark.size()) != kMark) return false;
    request.remove_prefix(kMark.size());
    std::uint32_t count = 0;
    if (!TakeNumber(request, count) || count < 1 || count > kMaxHandOverArguments + 1) return false;
    if (!TakeText(request, handOver.folder)) return false;
    handOver.arguments.resize(count - 1);
    for (std::string& argument : handOver.arguments) {
        if (!TakeText(request, argument)) return false;
    }
    return request.empty();
}

std::string HandOverCommandLine(const HandOver& handOver) {
    std::string line;
    if (handOver.arguments.empty()) return line;
    AppendPiece(line, "/D");
    AppendPiece(line, handOver.folder);
    for (const std::string& argument : handOver.arguments) AppendPiece(line, argument);
    return line;
}

}  // namespace win
