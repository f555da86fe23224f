#pragma once
// What the fuzz targets share: a check that stops the run (so that the fuzzer keeps the input as a
// finding), the input taken apart from the front, and a scratch folder for the files a target
// writes.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

// Stops the run when the condition does not hold.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

// The input, taken from the front. What runs short reads as zeros or as fewer bytes.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return size_ == 0; }
    std::uint8_t Byte() { return size_ > 0 ? (--size_, *data_++) : 0; }
    // Most significant byte first.
    std::uint16_t Short() { return static_cast<std::uint16_t>(Byte() << 8 | Byte()); }
    std::uint32_t Long() { return std::uint32_t{Short()} << 16 | Short(); }
    // Up to count bytes.
    std::string_view Bytes(std::size_t count) {
        const std::string_view bytes(reinterpret_cast<const char*>(data_), count < size_ ? count : size_);
        data_ += bytes.size();
        size_ -= bytes.size();
        return bytes;
    }
    std::string_view Rest() { return Bytes(size_); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// A folder of the process's own, in memory where the system has /dev/shm, removed at exit. It is
// also made the process's temporary folder, so that the swap files of stores go there too.
class ScratchFolder {
public:
    static ScratchFolder& Get() {
        static ScratchFolder folder;
        return folder;
    }

    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    // Writes the bytes to a file of the folder and answers its path.
    std::string Write(const std::string& name, std::string_view bytes) const {
        const std::string path = *this / name;
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(bytes.data(), std::streamsize(bytes.size()));
        return path;
    }

    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

private:
    ScratchFolder() {
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/fablecore-fuzz-XXXXXX";
        FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
        path_ = pattern;
        ::setenv("TMPDIR", path_.c_str(), 1);
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }

    std::string path_;
};
