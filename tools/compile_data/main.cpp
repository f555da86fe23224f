// Compiles a folder of data sources into one store file (see data/README.md).
//   compile_data [-D NAME=VALUE]... SOURCE_FOLDER OUTPUT
// The variables are the build's (VERSION, COPYRIGHT...), which sources use as ${NAME}; VERSION is
// also written into the store's header. Errors go to the standard error output as file:line:
// message. Exits with 1 when the sources have errors (nothing is written then), with 2 for a wrong
// command line.

#include <cstdio>
#include <string>

#include "datafiles/Compiler.h"
#include "datafiles/StoreFiles.h"
#include "foundation/Platform.h"
#include "foundation/pfm/PFM.h"

namespace {

int Usage(const char* program) {
    std::fprintf(stderr, "usage: %s [-D NAME=VALUE]... SOURCE_FOLDER OUTPUT\n", program);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Variables variables;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "-D" && i + 1 < argc) {
            const std::string definition = argv[++i];
            const std::size_t equals = definition.find('=');
            if (equals == std::string::npos || equals == 0) return Usage(argv[0]);
            variables[definition.substr(0, equals)] = definition.substr(equals + 1);
        } else {
            paths.push_back(argument);
        }
    }
    if (paths.size() != 2) return Usage(argv[0]);

    DetectPlatform();
    if (PFMInit(kDataFileSignature, 0) != kNoErr) {
        std::fprintf(stderr, "%s: cannot set up the store\n", argv[0]);
        return 1;
    }
    Diagnostics diagnostics;
    const bool written = CompileStore(paths[0], paths[1], variables, diagnostics);
    PFMTerm();
    for (const std::string& message : diagnostics.Messages()) std::fprintf(stderr, "%s\n", message.c_str());
    return written ? 0 : 1;
}
