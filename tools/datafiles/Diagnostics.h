#pragma once
// Errors found while compiling or decompiling data files, each with the place it concerns, in the
// form compilers use: "file:line: message".

#include <string>
#include <vector>

struct SourcePlace {
    std::string file;
    int line = 0;  // 0: the file as a whole
};

// "file:line", or "file" when the place has no line.
std::string DescribePlace(const SourcePlace& place);

class Diagnostics {
public:
    void Error(const SourcePlace& place, const std::string& message);
    bool HasErrors() const { return !messages_.empty(); }
    const std::vector<std::string>& Messages() const { return messages_; }

private:
    std::vector<std::string> messages_;
};
