#pragma once
// The four throughlines as the report sections name them: the prefix of their story point keys,
// their name and their short name (templates that follow the terminology in force), by throughline
// number (0 overall story, 1 main character, 2 impact character, 3 subjective story).

#include <array>
#include <cstdint>

struct ReportThroughline {
    const char* prefix;
    const char* name;
    const char* shortName;
};

inline constexpr std::array<ReportThroughline, 4> kReportThroughlines = {{
    {"ST", "{NObje} Story Throughline", "{NObje} Story"},
    {"MC", "Main Character Throughline", "Main Character"},
    {"OC", "{NObst} Character Throughline", "{NObst} Character"},
    {"PL", "{NSubj} Story Throughline", "{NSubj} Story"},
}};

// The throughline whose story point keys begin with the code's first two letters; null for a code
// of no throughline (a dynamic's).
inline const ReportThroughline* ThroughlineOfCode(const char* code) {
    if (!code) return nullptr;
    for (const ReportThroughline& throughline : kReportThroughlines)
        if (code[0] == throughline.prefix[0] && code[0] && code[1] == throughline.prefix[1])
            return &throughline;
    return nullptr;
}
