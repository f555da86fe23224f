#pragma once
// The values a keyed text record has loaded, each under its value item number: each in a string of
// its own, so that a number or a short text needs no memory of its own, at an address that loading
// another value never moves.
//
// Most records are read for a few values: the first few are held in the store itself, and only a
// record that loads more makes room for the rest (a deque, whose items never move either), so that
// a record read for its few values takes no memory for them.

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>

class KeyedTextValues {
public:
    std::size_t Size() const { return count_; }

    std::string& operator[](std::size_t item) { return item < kHeld ? held_[item] : (*more_)[item - kHeld]; }
    const std::string& operator[](std::size_t item) const {
        return item < kHeld ? held_[item] : (*more_)[item - kHeld];
    }

    // A new item holding the bytes; its number is the size before.
    void Add(const char* bytes, std::size_t size) {
        if (count_ < kHeld) {
            held_[count_].assign(bytes, size);
        } else {
            if (!more_) more_.emplace();
            more_->emplace_back(bytes, size);
        }
        ++count_;
    }

    // Every item goes, with the memory its value took.
    void Clear() {
        for (std::size_t item = 0; item < count_ && item < kHeld; ++item) held_[item] = std::string();
        more_.reset();
        count_ = 0;
    }

private:
    static constexpr std::size_t kHeld = 8;
    std::array<std::string, kHeld> held_;
    std::optional<std::deque<std::string>> more_;
    std::size_t count_ = 0;
};
