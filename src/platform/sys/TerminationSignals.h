#pragma once
// The signals that ask a program to end (SIGTERM, SIGINT and SIGHUP), caught while an object of
// this class lives and turned into a descriptor that becomes readable: the program ends from its
// message loop, after closing what it must, instead of wherever the signal found it. A hang-up the
// program was started with ignored (nohup) stays ignored.

namespace win {

class TerminationSignals {
public:
    TerminationSignals();
    ~TerminationSignals();  // the signals' earlier handling comes back
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Readable once a signal came; -1 when the signals could not be caught.
    int Descriptor() const { return read_; }
    // The signal that came (its number), or 0 when none did; reading it makes the descriptor quiet.
    int Take();

    // Ends the process the way the signal would have, its earlier handling aside: by its default
    // action, so that whoever waits for the program sees it ended by that signal.
    [[noreturn]] static void EndAs(int signal);

private:
    int read_ = -1;
};

}  // namespace win
