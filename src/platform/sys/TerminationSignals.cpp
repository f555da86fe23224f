#include "platform/sys/TerminationSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace win {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kSignalCount = sizeof kSignals / sizeof kSignals[0];

int g_write = -1;
struct sigaction g_earlier[kSignalCount];
bool g_caught[kSignalCount] = {};

// A pipe that never blocks, neither end passed on to other programs.
bool MakePipe(int& readEnd, int& writeEnd) {
    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    readEnd = ends[0];
    writeEnd = ends[1];
    return true;
}

void OnSignal(int signal) {
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    if (g_write >= 0) (void)!::write(g_write, &number, 1);
    errno = saved;
}

}  // namespace

TerminationSignals::TerminationSignals() {
    if (g_write >= 0) return;  // one catcher at a time
    if (!MakePipe(read_, g_write)) return;
    for (int i = 0; i < kSignalCount; ++i) {
        struct sigaction earlier {};
        // A hang-up ignored from the start (nohup) stays ignored. An interrupt is caught all the same:
        // a shell starts background programs with it ignored, and only a kill sends it there.
        if (::sigaction(kSignals[i], nullptr, &earlier) != 0) continue;
        if (kSignals[i] == SIGHUP && earlier.sa_handler == SIG_IGN) continue;
        struct sigaction caught {};
        caught.sa_handler = OnSignal;
        sigemptyset(&caught.sa_mask);
        caught.sa_flags = SA_RESTART;
        g_caught[i] = ::sigaction(kSignals[i], &caught, &g_earlier[i]) == 0;
    }
}

TerminationSignals::~TerminationSignals() {
    if (read_ < 0) return;
    for (int i = 0; i < kSignalCount; ++i) {
        if (g_caught[i]) ::sigaction(kSignals[i], &g_earlier[i], nullptr);
        g_caught[i] = false;
    }
    ::close(g_write);
    g_write = -1;
    ::close(read_);
}

int TerminationSignals::Take() {
    unsigned char number = 0;
    int signal = 0;
    // Every signal that came is read; the first one counts.
    while (read_ >= 0 && ::read(read_, &number, 1) == 1) {
        if (signal == 0) signal = number;
    }
    return signal;
}

void TerminationSignals::EndAs(int signal) {
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    ::sigaction(signal, &standard, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);
}

}  // namespace win
