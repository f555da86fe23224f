#pragma once
// The system's print queues, reached through its print commands: `lpstat` lists them and `lp`
// takes documents. Where the print system is not installed there are no queues.

#include <string>
#include <vector>

namespace win {

// Queue names, paths and titles are program text (platform/sys/SystemNames.h).

// The queues `lpstat -e` lists, in its order, but those whose names the program cannot hold; none
// when it cannot be run or fails.
std::vector<std::string> ListPrintQueues();

// Hands a file to a queue (`lp -d QUEUE -t TITLE -- FILE`), which has its own copy once this
// answers. False, with GetLastError set, when lp cannot be run or refuses the job.
bool SubmitToPrintQueue(const std::string& queue, const std::string& path, const std::string& title);

}  // namespace win
