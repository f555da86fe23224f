#pragma once
// Test support: puts the process's current folder back when the test ends.

#include <gtest/gtest.h>
#include <limits.h>
#include <unistd.h>

class ScopedCurrentFolder {
public:
    ScopedCurrentFolder() { saved_ = ::getcwd(path_, sizeof path_) != nullptr; }
    ~ScopedCurrentFolder() {
        if (saved_) {
            EXPECT_EQ(::chdir(path_), 0);
        }
    }
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

private:
    char path_[PATH_MAX];
    bool saved_;
};
