#pragma once
// The rectangles of a region, in order. Most regions are one rectangle (a window's area, a clip, an
// update of one part): that one is kept in the list itself, so that making, copying and combining
// such regions, as every move, show and paint of a window does, takes no memory of its own. A list
// of more rectangles keeps them in a block it owns.

#include <algorithm>
#include <cstddef>
#include <memory>

#include "platform/sys/WinTypes.h"

namespace win {

class RectList {
public:
    RectList() = default;
    RectList(const RectList& other) { CopyFrom(other); }
    RectList(RectList&& other) noexcept { TakeFrom(other); }
    RectList& operator=(const RectList& other) {
        if (this != &other) {
            size_ = 0;
            CopyFrom(other);
        }
        return *this;
    }
    RectList& operator=(RectList&& other) noexcept {
        if (this != &other) {
            heap_.reset();
            capacity_ = 1;
            TakeFrom(other);
        }
        return *this;
    }

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    RECT* data() { return heap_ ? heap_.get() : &inline_; }
    const RECT* data() const { return heap_ ? heap_.get() : &inline_; }
    RECT* begin() { return data(); }
    RECT* end() { return data() + size_; }
    const RECT* begin() const { return data(); }
    const RECT* end() const { return data() + size_; }
    RECT& operator[](std::size_t i) { return data()[i]; }
    const RECT& operator[](std::size_t i) const { return data()[i]; }
    const RECT& front() const { return data()[0]; }
    const RECT& back() const { return data()[size_ - 1]; }

    void clear() { size_ = 0; }
    void push_back(const RECT& rect) {
        if (size_ == capacity_) Reserve(capacity_ * 2);
        data()[size_++] = rect;
    }

private:
    void Reserve(std::size_t capacity) {
        if (capacity <= capacity_) return;
        auto block = std::make_unique_for_overwrite<RECT[]>(capacity);
        std::copy(begin(), end(), block.get());
        heap_ = std::move(block);
        capacity_ = capacity;
    }
    void CopyFrom(const RectList& other) {
        Reserve(other.size_);
        std::copy(other.begin(), other.end(), data());
        size_ = other.size_;
    }
    void TakeFrom(RectList& other) {
        if (other.heap_) {
            heap_ = std::move(other.heap_);
            capacity_ = other.capacity_;
        } else {
            inline_ = other.inline_;
        }
        size_ = other.size_;
        other.size_ = 0;
        other.capacity_ = 1;
    }

    RECT inline_{};
    std::unique_ptr<RECT[]> heap_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 1;
};

}  // namespace win
