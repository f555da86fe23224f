// Compiles a folder of data sources into one store file (see data/README.md).
//   compile_data [-D NAME=VALUE]... [--topics QUERY_FOLDER] SOURCE_FOLDER OUTPUT
//   compile_data --query-tables QUERY_FOLDER OUTPUT.cpp
//   compile_data [-D NAME=VALUE]... --context CONTEXT_FOLDER OUTPUT
// The variables are the build's (VERSION, COPYRIGHT...), which sources use as ${NAME}; VERSION is
// also written into the store's header. With --topics, the store's question lists and pages are
// checked against the query system's tables in that folder (data/query). --query-tables checks
// those tables and writes them as the program's C++ source. --context compiles the context texts of the
// query window's help (data/context) into the context file. Errors go to the standard error output
// as file:line: message. Exits with 1 when the sources have errors (nothing is written then), with 2
// for a wrong command line.

#include <cstdio>
#include <optional>
#include <string>

#include "datafiles/Compiler.h"
#include "datafiles/ContextTexts.h"
#include "datafiles/QueryTables.h"
#include "datafiles/StoreFiles.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"

namespace {

int Usage(const char* program) {
    std::fprintf(stderr,
                 "usage: %s [-D NAME=VALUE]... [--topics QUERY_FOLDER] SOURCE_FOLDER OUTPUT\n"
                 "       %s --query-tables QUERY_FOLDER OUTPUT.cpp\n"
                 "       %s [-D NAME=VALUE]... --context CONTEXT_FOLDER OUTPUT\n",
                 program, program, program);
    return 2;
}

// Prints the errors; answers the exit code.
int Report(const Diagnostics& diagnostics, bool written) {
    for (const std::string& message : diagnostics.Messages()) std::fprintf(stderr, "%s\n", message.c_str());
    return written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Variables variables;
    std::vector<std::string> paths;
    std::string topics;
    bool tablesOnly = false;
    bool context = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--topics" && i + 1 < argc) {
            topics = argv[++i];
        } else if (argument == "--query-tables") {
            tablesOnly = true;
        } else if (argument == "--context") {
            context = true;
        } else if (argument == "-D" && i + 1 < argc) {
            const std::string definition = argv[++i];
            const std::size_t equals = definition.find('=');
            if (equals == std::string::npos || equals == 0) return Usage(argv[0]);
            variables[definition.substr(0, equals)] = definition.substr(equals + 1);
        } else {
            paths.push_back(argument);
        }
    }
    if (paths.size() != 2 || (tablesOnly && (context || !topics.empty())) || (context && !topics.empty()))
        return Usage(argv[0]);

    Diagnostics diagnostics;
    if (tablesOnly) return Report(diagnostics, WriteQueryTables(paths[0], paths[1], diagnostics));
    std::optional<QueryTables> tables;
    if (!topics.empty()) {
        tables = ReadQueryTables(topics, diagnostics);
        if (!tables) return Report(diagnostics, false);
    }

    DetectPlatform();
    if (PFMInit(kDataFileSignature, 0) != kNoErr) {
        std::fprintf(stderr, "%s: cannot set up the store\n", argv[0]);
        return 1;
    }
    const bool written =
        context ? CompileContextFile(paths[0], paths[1], variables, diagnostics)
                : CompileStore(paths[0], paths[1], variables, diagnostics, tables ? &*tables : nullptr);
    PFMTerm();
    return Report(diagnostics, written);
}
