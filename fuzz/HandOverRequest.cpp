// Requests a later start of the program sends to the first copy; the input is a request's bytes.
// A request that reads is the one encoding of what it holds: encoded again it gives the same bytes.
// Its command line has no line break, and is empty exactly when there are no arguments.

#include <string>

#include "FuzzSupport.h"
#include "platform/sys/HandOver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view request(reinterpret_cast<const char*>(data), size);
    win::HandOver handOver;
    if (!win::DecodeHandOver(request, handOver)) return 0;
    std::string again;
    FUZZ_CHECK(win::EncodeHandOver(handOver, again));
    FUZZ_CHECK(again == request);
    const std::string line = win::HandOverCommandLine(handOver);
    FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(handOver.arguments.empty() == line.empty());
    return 0;
}
