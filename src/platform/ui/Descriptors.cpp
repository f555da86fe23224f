#include "platform/ui/Descriptors.h"

#include <poll.h>
#include <cerrno>
#include <map>
#include <vector>

namespace win {
namespace {

struct Watch {
    ReadableHandler handler;
    bool running = false;
};

std::map<int, Watch>& Watches() {
    static std::map<int, Watch> watches;
    return watches;
}

// The descriptors whose handlers are not running now.
std::vector<pollfd> Pollable() {
    std::vector<pollfd> entries;
    for (const auto& [descriptor, watch] : Watches()) {
        if (!watch.running) entries.push_back(pollfd{descriptor, POLLIN, 0});
    }
    return entries;
}

int PollEntries(std::vector<pollfd>& entries, int timeout) {
    int ready;
    do {
        ready = ::poll(entries.data(), entries.size(), timeout);
    } while (ready < 0 && errno == EINTR);
    return ready;
}

}  // namespace

void WatchDescriptor(int descriptor, ReadableHandler handler) {
    Watches()[descriptor].handler = std::move(handler);
}

void StopWatchingDescriptor(int descriptor) { Watches().erase(descriptor); }

bool IsWatchingDescriptors() { return !Pollable().empty(); }

std::vector<int> WatchedDescriptors() {
    std::vector<int> descriptors;
    for (const pollfd& entry : Pollable()) descriptors.push_back(entry.fd);
    return descriptors;
}

bool WaitForReadableDescriptor(int timeoutMilliseconds) {
    std::vector<pollfd> entries = Pollable();
    return !entries.empty() && PollEntries(entries, timeoutMilliseconds) > 0;
}

namespace detail {

void ServeReadableDescriptors() {
    if (Watches().empty()) return;
    std::vector<pollfd> entries = Pollable();
    if (PollEntries(entries, 0) <= 0) return;
    for (const pollfd& entry : entries) {
        if (entry.revents == 0) continue;
        if (entry.revents & POLLNVAL) {
            StopWatchingDescriptor(entry.fd);
            continue;
        }
        auto found = Watches().find(entry.fd);
        if (found == Watches().end() || found->second.running) continue;
        found->second.running = true;
        const ReadableHandler handler = found->second.handler;  // the handler may stop the watch
        handler();
        found = Watches().find(entry.fd);
        if (found != Watches().end()) found->second.running = false;
    }
}

}  // namespace detail
}  // namespace win
