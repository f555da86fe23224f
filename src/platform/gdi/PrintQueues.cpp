#include "platform/gdi/PrintQueues.h"

#include <cerrno>
#include <optional>
#include <sstream>

#include "platform/sys/ChildProcess.h"
#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"

namespace win {

std::vector<std::string> ListPrintQueues() {
    const ProgramRun run = RunProgram({"lpstat", "-e"}, true);
    std::vector<std::string> queues;
    if (!run.started || run.exitCode != 0) return queues;
    std::istringstream lines(run.output);
    std::string name;
    while (lines >> name) {
        // A queue the program cannot name could not be handed a document.
        if (std::optional<std::string> held = NameFromSystem(name)) queues.push_back(std::move(*held));
    }
    return queues;
}

bool SubmitToPrintQueue(const std::string& queue, const std::string& path, const std::string& title) {
    std::vector<std::string> argv{"lp", "-d", queue};
    if (!title.empty()) argv.insert(argv.end(), {"-t", title});
    argv.insert(argv.end(), {"--", path});
    const ProgramRun run = RunProgram(argv, true);  // lp's "request id is ..." is not for the user
    if (!run.started) return false;
    if (run.exitCode != 0) {
        SetLastError(EIO);
        return false;
    }
    return true;
}

}  // namespace win
