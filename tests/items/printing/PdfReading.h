#pragma once
// Printed PDF files read back with poppler's tools: a tool's output, a page's lines of text (blanks
// and form feeds at their ends dropped, empty lines left out) and the number of pages.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/sys/ChildProcess.h"

namespace printtest {

// The tool's output; a tool that does not run, or fails, fails the test.
inline std::string Tool(const std::vector<std::string>& argv) {
    const win::ProgramRun run = win::RunProgram(argv, true);
    EXPECT_TRUE(run.started && run.exitCode == 0) << argv[0] << " failed";
    return run.output;
}

inline std::vector<std::string> PageLines(const std::string& pdf, int page) {
    const std::string number = std::to_string(page);
    std::istringstream in(Tool({"pdftotext", "-f", number, "-l", number, pdf, "-"}));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\f')) line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

inline int PageCount(const std::string& pdf) {
    const std::string info = Tool({"pdfinfo", pdf});
    const std::size_t at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

}  // namespace printtest
