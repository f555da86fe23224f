#pragma once
// Descriptors the message loop watches besides the presenter's input: sockets and pipes that other
// processes write to. When one is readable, GetMessageA, PeekMessageA and WaitMessage call its
// handler before they look at the queue again, the way a program handles what another process
// sends it while it waits for its own messages. Presenters wake from waiting when one is readable.

#include <functional>
#include <vector>

namespace win {

using ReadableHandler = std::function<void()>;

// Watches the descriptor (a second call replaces its handler). The handler must read what made the
// descriptor readable; it is not called again while it runs. A descriptor found closed is no
// longer watched.
void WatchDescriptor(int descriptor, ReadableHandler handler);
void StopWatchingDescriptor(int descriptor);

// For presenters: whether a descriptor is watched, and waiting until one is readable, at most
// timeout milliseconds (-1: no limit). Answers whether one is.
bool IsWatchingDescriptors();
bool WaitForReadableDescriptor(int timeoutMilliseconds);
// The descriptors WaitForReadableDescriptor waits for (those whose handlers are not running), for a
// presenter that waits for them together with its own input.
std::vector<int> WatchedDescriptors();

namespace detail {
// Internal to the window layer: calls the handlers of the descriptors readable now.
void ServeReadableDescriptors();
}  // namespace detail

}  // namespace win
