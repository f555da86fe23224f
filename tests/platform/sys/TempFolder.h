#pragma once
// Test support: a fresh folder of its own for one test, removed with everything in it (whatever
// permissions the test left on it) when the test ends; when none can be made the test stops there
// rather than write elsewhere. ScopedUnprivileged drops root's power to bypass permissions for one
// test, so that tests of unreadable files and read-only folders mean the same whoever runs them.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

class TempFolder {
public:
    TempFolder() {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/fablecore-test-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary folder like " + pattern + ": " +
                                     std::strerror(errno));
        path_ = pattern;
        // Readable and writable by anyone, so that an unprivileged test can use it too.
        ::chmod(path_.c_str(), 0777);
    }
    ~TempFolder() {
        if (path_.empty()) return;
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error)) {
            if (entry.is_directory(error) && !entry.is_symlink(error)) ::chmod(entry.path().c_str(), 0777);
        }
        std::filesystem::remove_all(path_, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a final '/'.
    const std::string& Path() const { return path_; }
    // The path of a name in the folder.
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Writes a file of these bytes into the folder and answers its path.
    std::string WriteFile(const std::string& name, const std::string& bytes) const {
        const std::string path = *this / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string ReadFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string path_;
};

// While it lives, a process running as root acts as the unprivileged user "nobody", so permission
// checks apply to it. Does nothing for other users. Active() is false when the switch failed.
class ScopedUnprivileged {
public:
    ScopedUnprivileged() {
        if (::geteuid() != 0) return;
        switched_ = ::setegid(65534) == 0 && ::seteuid(65534) == 0;
        failed_ = !switched_;
    }
    ~ScopedUnprivileged() {
        if (switched_) {
            ::seteuid(0);
            ::setegid(0);
        }
    }
    ScopedUnprivileged(const ScopedUnprivileged&) = delete;
    ScopedUnprivileged& operator=(const ScopedUnprivileged&) = delete;

    bool Active() const { return !failed_; }

private:
    bool switched_ = false;
    bool failed_ = false;
};
