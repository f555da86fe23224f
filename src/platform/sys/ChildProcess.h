#pragma once
// Running another program of the system and waiting for it, as the print queues need (listing
// them, handing them a document), or starting one to run on its own (the desktop's opener). The program is looked for on PATH; its arguments are program
// text and go to it in the system's form (SystemNames.h), each whole, never through a shell. It
// reads nothing (its input is /dev/null) and its error output is the program's own.

#include <string>
#include <vector>

#include "platform/sys/WinTypes.h"

namespace win {

struct ProgramRun {
    bool started = false;  // false: the program could not be run (GetLastError says why)
    int exitCode = -1;     // its exit status; -1 when a signal ended it
    std::string output;    // what it wrote to its standard output, when asked for: system text
};

// Runs argv[0] with the arguments and waits until it ends.
ProgramRun RunProgram(const std::vector<std::string>& argv, bool captureOutput);

// Starts argv[0] with the arguments and leaves it running on its own: the caller does not wait for
// it, and nothing of it stays behind when it ends. True when it started; false (GetLastError says
// why) when it could not be run.
bool StartProgram(const std::vector<std::string>& argv);

}  // namespace win
