#include "platform/present/DescriptorWake.h"

#include <SDL2/SDL.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>

namespace win {

DescriptorWake::DescriptorWake() : stop_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    const Uint32 type = SDL_RegisterEvents(1);
    eventType_ = type == static_cast<Uint32>(-1) ? 0 : type;
    thread_ = std::thread([this] { Run(); });
}

DescriptorWake::~DescriptorWake() {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        ending_ = true;
    }
    changed_.notify_all();
    if (stop_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(stop_, &one, sizeof one);
    }
    thread_.join();
    if (stop_ >= 0) ::close(stop_);
}

void DescriptorWake::Arm(std::vector<int> descriptors) {
    if (stop_ < 0 || eventType_ == 0 || descriptors.empty()) return;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        watched_ = std::move(descriptors);
        armed_ = true;
    }
    changed_.notify_all();
}

void DescriptorWake::Disarm() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!armed_) return;
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(stop_, &one, sizeof one);
    changed_.wait(lock, [this] { return !armed_; });
    std::uint64_t count = 0;
    [[maybe_unused]] const ssize_t read = ::read(stop_, &count, sizeof count);
}

bool DescriptorWake::IsWake(const SDL_Event& event) const { return eventType_ != 0 && event.type == eventType_; }

unsigned long DescriptorWake::Pushed() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return pushed_;
}

void DescriptorWake::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return armed_ || ending_; });
        if (ending_) return;
        std::vector<pollfd> entries;
        for (const int descriptor : watched_) entries.push_back(pollfd{descriptor, POLLIN, 0});
        entries.push_back(pollfd{stop_, POLLIN, 0});
        lock.unlock();
        int ready;
        do {
            ready = ::poll(entries.data(), entries.size(), -1);
        } while (ready < 0 && errno == EINTR);
        bool readable = false;
        for (std::size_t i = 0; i + 1 < entries.size(); ++i) readable = readable || entries[i].revents != 0;
        if (readable) {
            SDL_Event event{};
            event.type = eventType_;
            SDL_PushEvent(&event);
        }
        lock.lock();
        if (readable) ++pushed_;
        armed_ = false;
        changed_.notify_all();
    }
}

}  // namespace win
