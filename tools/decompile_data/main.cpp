// Writes the sources of a store file into a folder: sources that compile back to the same store
// (see data/README.md).
//   decompile_data STORE FOLDER
// Exits with 1 when the store cannot be read or a source not written, with 2 for a wrong command
// line.

#include <cstdio>

#include "datafiles/Decompiler.h"
#include "foundation/Platform.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s STORE FOLDER\n", argv[0]);
        return 2;
    }
    DetectPlatform();
    Diagnostics diagnostics;
    const bool written = DecompileStore(argv[1], argv[2], diagnostics);
    for (const std::string& message : diagnostics.Messages()) std::fprintf(stderr, "%s\n", message.c_str());
    return written ? 0 : 1;
}
