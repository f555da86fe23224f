// Writes a readable description of each store file named on the command line (its header and
// segment map) to the standard output, for inspecting the data files and story files the program
// writes.
//   pfmdump FILE...
// Exits with 1 when a file could not be described completely, with 2 when no file is named.

#include <cstdio>

#include "foundation/FileRef.h"
#include "foundation/StdIOFile.h"
#include "foundation/pfm/PFMDump.h"
#include "platform/sys/SystemNames.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE...\n", argv[0]);
        return 2;
    }
    StdIOFile out;
    out.AttachToStandardOutput();
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        // The paths are the system's; the file layer takes program text.
        if (PFMDumpFile(FileRef(win::NameFromSystem(argv[i]).value_or("").c_str()), out) != kNoErr)
            status = 1;
    }
    return status;
}
