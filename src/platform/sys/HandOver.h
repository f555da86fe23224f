#pragma once
// What a later start of the program hands to the copy already running: its working folder and its
// arguments, each kept whole, and the request that carries them between the two processes.

#include <string>
#include <string_view>
#include <vector>

namespace win {

struct HandOver {
    std::string folder;
    std::vector<std::string> arguments;

    bool operator==(const HandOver&) const = default;
};

// The request: the mark "FCH1", the number of texts (32 bits), then each text (the folder first,
// then the arguments) as its length (32 bits) and its bytes; numbers are big-endian.
inline constexpr std::size_t kMaxHandOverSize = 1 << 20;
inline constexpr std::size_t kMaxHandOverArguments = 4096;

// False when the hand-over is larger than the limits allow.
bool EncodeHandOver(const HandOver& handOver, std::string& request);

// False for anything but one whole request within the limits (handOver is then unspecified).
bool DecodeHandOver(std::string_view request, HandOver& handOver);

// The hand-over as one command line: "/D <folder> <arguments>" with the pieces separated by
// blanks, each piece that holds a blank in double quotes and each line break made a blank; empty
// when there are no arguments.
std::string HandOverCommandLine(const HandOver& handOver);

}  // namespace win
