#pragma once
// The channel between copies of the program that one user starts: a lock file "<name>.lock" and a
// Unix socket "<name>.socket" (mode 0600) in the runtime folder (UserFolders.h). The first copy
// holds the lock and listens on the socket; a later start finds the lock taken, connects, sends its
// hand-over and waits for the first copy's answer.
//
// The lock is the one test of which copy is first, so two starts at the same moment end with
// exactly one first copy, and a copy that ends in any way, a crash included, gives it up. A socket
// file left behind by a copy that crashed is stale: the next first copy replaces it.

#include <functional>
#include <memory>
#include <string>

#include "platform/sys/HandOver.h"
#include "platform/sys/WinTypes.h"

namespace win {

// kWaiting comes first when the running copy has a dialog open: it takes the hand-over (or
// refuses it) once the dialog ends, and its final answer follows.
enum class HandOverAnswer : char { kTaken = 'T', kRefused = 'R', kWaiting = 'W' };

// A later start that has sent its whole hand-over and waits for the first copy's answer.
class WaitingStart {
public:
    ~WaitingStart();  // a start left unanswered finds the connection closed
    WaitingStart(const WaitingStart&) = delete;
    WaitingStart& operator=(const WaitingStart&) = delete;

    const HandOver& GetHandOver() const { return handOver_; }
    // False once the start has given up waiting: what it asked for must not happen behind its back.
    bool IsStillWaiting() const;
    // kWaiting may be sent first; kTaken or kRefused ends the exchange.
    void Answer(HandOverAnswer answer);

private:
    friend class InstanceListener;
    WaitingStart(int connection, HandOver handOver)
        : connection_(connection), handOver_(std::move(handOver)) {}

    int connection_;
    HandOver handOver_;
};

// The first copy's end of the channel: it holds the lock and listens while it lives.
class InstanceListener {
public:
    ~InstanceListener();  // removes the socket file and gives up the lock
    InstanceListener(const InstanceListener&) = delete;
    InstanceListener& operator=(const InstanceListener&) = delete;

    // The listening socket: readable while a later start waits to be served.
    int Descriptor() const { return socket_; }

    // Serves one waiting start, when there is one: reads its hand-over and sends it the answer that
    // `decide` gives. A start by another user, one that does not send a whole request promptly and
    // one that has given up waiting are dropped unanswered.
    void ServeOne(const std::function<HandOverAnswer(const HandOver&)>& decide);
    // The same in two steps: the waiting start with its hand-over (null when there was none to
    // serve or it was dropped), answered when the copy has decided.
    std::unique_ptr<WaitingStart> Accept();

private:
    friend struct InstanceStart;
    InstanceListener(int lock, int socket, std::string socketPath);

    int lock_;
    int socket_;
    std::string socketPath_;  // as the system names it
};

enum class InstanceRole {
    kFirst,       // no other copy runs, and this one goes on
    kHandedOver,  // the running copy took the hand-over
    kRefused,     // the running copy refused it, or kept a dialog open for longer than the
                  // dialog patience (GetLastError ETIMEDOUT)
    kNotReached,  // a copy runs, but the hand-over did not reach it: it did not answer in time
                  // (GetLastError ETIMEDOUT), or the arguments are too many (E2BIG)
};

struct InstanceStart {
    InstanceRole role = InstanceRole::kFirst;
    // The first copy's listener; null for later starts, and for a first copy whose channel could
    // not be made (GetLastError says why): that copy runs alone.
    std::unique_ptr<InstanceListener> listener;

    // Becomes the first copy of `name` (letters, digits and '_') for this user, or hands over to
    // the copy that is: connects, sends the hand-over and waits for the answer. A copy that holds
    // the lock but does not listen (it is starting or ending) is tried again until the lock is
    // free or an answer comes, all within `patience` milliseconds. A copy that answers that it
    // waits for its dialog is waited for `dialogPatience` milliseconds from then on instead.
    static InstanceStart Claim(const std::string& name, const HandOver& handOver, DWORD patience,
                               DWORD dialogPatience = 0);
};

}  // namespace win
