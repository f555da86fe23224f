#include "platform/sys/InstanceChannel.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>
#include <utility>

#include "platform/sys/SysError.h"
#include "platform/sys/SystemNames.h"
#include "platform/sys/UserFolders.h"

namespace win {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kRetryInterval = std::chrono::milliseconds(20);
// A connected start sends its whole request at once; one that takes longer is dropped.
constexpr auto kRequestPatience = std::chrono::seconds(2);

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd() {
        if (fd_ >= 0) ::close(fd_);
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    int Get() const { return fd_; }
    int Release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

bool Failed(int errorNumber) {
    SetLastError(static_cast<DWORD>(errorNumber));
    return false;
}

int FailedFd(int errorNumber) {
    SetLastError(static_cast<DWORD>(errorNumber));
    return -1;
}

bool IsValidName(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name) {
        const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit && c != '_') return false;
    }
    return true;
}

bool SocketAddress(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return Failed(ENAMETOOLONG);
    path.copy(address.sun_path, path.size());
    return true;
}

int Remaining(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool WaitFor(int fd, short events, Clock::time_point deadline) {
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, Remaining(deadline));
        if (ready > 0) return true;
        if (ready == 0 || errno != EINTR) return false;
    }
}

// Makes the listening socket, replacing a stale one: only called while holding the lock, so no
// running copy can be listening there.
int Listen(const std::string& path) {
    sockaddr_un address;
    if (!SocketAddress(path, address)) return -1;
    struct stat status;
    if (::lstat(path.c_str(), &status) == 0) {
        if (!S_ISSOCK(status.st_mode)) return FailedFd(EEXIST);
        if (::unlink(path.c_str()) != 0) return FailedFd(errno);
    }
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.Get() < 0) return FailedFd(errno);
    // The socket file is made private (0600) as it is bound, in the user's private folder.
    const mode_t mask = ::umask(0177);
    const bool bound = ::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    const int error = errno;
    ::umask(mask);
    if (!bound) return FailedFd(error);
    if (::listen(fd.Get(), 16) != 0) {
        const int listenError = errno;
        ::unlink(path.c_str());
        return FailedFd(listenError);
    }
    return fd.Release();
}

enum class Attempt { kAnswered, kTryAgain, kNoAnswer, kDialogStayedOpen };

// One try at handing over: connect, send, wait for the answer byte. A copy that says it waits for
// its dialog is waited for until the dialog patience is over from then on.
Attempt HandOverOnce(const std::string& path, const std::string& request, Clock::time_point deadline,
                     std::chrono::milliseconds dialogPatience, HandOverAnswer& answer) {
    sockaddr_un address;
    if (!SocketAddress(path, address)) return Attempt::kNoAnswer;
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.Get() < 0) return Attempt::kNoAnswer;
    if (::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        // Not listening yet or any more, or its queue is full for now.
        return Attempt::kTryAgain;
    }
    for (std::size_t sent = 0; sent < request.size();) {
        const ssize_t n = ::send(fd.Get(), request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EAGAIN) {
            if (!WaitFor(fd.Get(), POLLOUT, deadline)) return Attempt::kNoAnswer;
        } else if (n < 0 && errno != EINTR) {
            return Attempt::kTryAgain;  // the copy went away while we were sending
        }
    }
    ::shutdown(fd.Get(), SHUT_WR);
    bool dialogOpen = false;
    for (;;) {
        if (!WaitFor(fd.Get(), POLLIN, deadline))
            return dialogOpen ? Attempt::kDialogStayedOpen : Attempt::kNoAnswer;
        char byte = 0;
        const ssize_t n = ::recv(fd.Get(), &byte, 1, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return Attempt::kTryAgain;  // closed unanswered: that copy is ending
        if (byte == static_cast<char>(HandOverAnswer::kWaiting) && !dialogOpen) {
            dialogOpen = true;
            deadline = Clock::now() + dialogPatience;
            continue;
        }
        if (byte != static_cast<char>(HandOverAnswer::kTaken) &&
            byte != static_cast<char>(HandOverAnswer::kRefused))
            return Attempt::kNoAnswer;
        answer = static_cast<HandOverAnswer>(byte);
        return Attempt::kAnswered;
    }
}

// Reads a whole request from a connected start, within the request patience.
std::optional<std::string> ReadRequest(int fd) {
    const Clock::time_point deadline = Clock::now() + kRequestPatience;
    std::string request;
    char chunk[4096];
    for (;;) {
        if (!WaitFor(fd, POLLIN, deadline)) return std::nullopt;
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n == 0) return request;
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return std::nullopt;
        }
        request.append(chunk, static_cast<std::size_t>(n));
        if (request.size() > kMaxHandOverSize) return std::nullopt;
    }
}

// Whether the start that sent a request still waits for the answer: one that gave up has closed
// its end, and what it asked for must not happen behind its back.
bool StartStillWaits(int fd) {
    pollfd entry{fd, POLLOUT, 0};
    return ::poll(&entry, 1, 0) >= 0 && (entry.revents & (POLLHUP | POLLERR)) == 0;
}

bool IsSameUser(int fd) {
    ucred peer{};
    socklen_t length = sizeof peer;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::getuid();
}

}  // namespace

InstanceListener::InstanceListener(int lock, int socket, std::string socketPath)
    : lock_(lock), socket_(socket), socketPath_(std::move(socketPath)) {}

InstanceListener::~InstanceListener() {
    ::close(socket_);
    ::unlink(socketPath_.c_str());
    ::close(lock_);
}

WaitingStart::~WaitingStart() { ::close(connection_); }

bool WaitingStart::IsStillWaiting() const { return StartStillWaits(connection_); }

void WaitingStart::Answer(HandOverAnswer answer) {
    const char byte = static_cast<char>(answer);
    ::send(connection_, &byte, 1, MSG_NOSIGNAL);
}

std::unique_ptr<WaitingStart> InstanceListener::Accept() {
    UniqueFd client(::accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (client.Get() < 0 || !IsSameUser(client.Get())) return nullptr;
    const std::optional<std::string> request = ReadRequest(client.Get());
    HandOver handOver;
    if (!request || !DecodeHandOver(*request, handOver) || !StartStillWaits(client.Get())) return nullptr;
    return std::unique_ptr<WaitingStart>(new WaitingStart(client.Release(), std::move(handOver)));
}

void InstanceListener::ServeOne(const std::function<HandOverAnswer(const HandOver&)>& decide) {
    if (const std::unique_ptr<WaitingStart> start = Accept()) start->Answer(decide(start->GetHandOver()));
}

InstanceStart InstanceStart::Claim(const std::string& name, const HandOver& handOver, DWORD patience,
                                   DWORD dialogPatience) {
    InstanceStart start;
    const auto NotReached = [&start](int error) {
        SetLastError(static_cast<DWORD>(error));
        start.role = InstanceRole::kNotReached;
        return std::move(start);
    };
    std::string folder, request;
    if (!IsValidName(name)) {
        SetLastError(EINVAL);
        return start;
    }
    if (!GetRuntimeFolder(folder)) return start;
    const std::string lockPath = NameForSystem(folder + "/" + name + ".lock");
    const std::string socketPath = NameForSystem(folder + "/" + name + ".socket");
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(patience);
    UniqueFd lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (lock.Get() < 0) {
        SetLastError(static_cast<DWORD>(errno));
        return start;
    }
    // The request is made only when another copy holds the lock, and then once.
    std::optional<bool> encoded;
    for (;;) {
        if (::flock(lock.Get(), LOCK_EX | LOCK_NB) == 0) {
            const int socket = Listen(socketPath);
            if (socket >= 0) start.listener.reset(new InstanceListener(lock.Release(), socket, socketPath));
            return start;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            SetLastError(static_cast<DWORD>(errno));
            return start;
        }
        if (!encoded) encoded = EncodeHandOver(handOver, request);
        if (!*encoded) return NotReached(E2BIG);
        HandOverAnswer answer = HandOverAnswer::kRefused;
        switch (
            HandOverOnce(socketPath, request, deadline, std::chrono::milliseconds(dialogPatience), answer)) {
            case Attempt::kAnswered:
                start.role =
                    answer == HandOverAnswer::kTaken ? InstanceRole::kHandedOver : InstanceRole::kRefused;
                return start;
            case Attempt::kDialogStayedOpen:
                SetLastError(ETIMEDOUT);
                start.role = InstanceRole::kRefused;
                return start;
            case Attempt::kNoAnswer: return NotReached(ETIMEDOUT);
            case Attempt::kTryAgain: break;
        }
        if (Clock::now() >= deadline) return NotReached(ETIMEDOUT);
        std::this_thread::sleep_for(kRetryInterval);
    }
}

}  // namespace win
