#include "framework/CmdQueue.h"

#include <utility>

void CmdQueue::PostId(std::int32_t id) { Append(Entry{nullptr, id}); }

void CmdQueue::Post(std::unique_ptr<TCommand> command) { Append(Entry{std::move(command), kNoCommandId}); }

void CmdQueue::Append(Entry entry) {
    if (count_ == kCapacity) return;  // dropped; its command goes with it
    if (count_ == 0) {
        head_ = 0;
        tail_ = 0;
    }
    entries_[static_cast<std::size_t>(tail_)] = std::move(entry);
    ++count_;
    tail_ = static_cast<std::int16_t>((tail_ + 1) % kCapacity);
}

CmdQueue::Entry CmdQueue::Take() {
    Entry entry = std::move(entries_[static_cast<std::size_t>(head_)]);
    entries_[static_cast<std::size_t>(head_)] = Entry{};
    --count_;
    if (count_ == 0) {
        head_ = -1;
        tail_ = 0;
    } else {
        head_ = static_cast<std::int16_t>((head_ + 1) % kCapacity);
    }
    return entry;
}

void CmdQueue::Process() {
    while (count_ > 0) {
        Entry entry = Take();
        if (entry.command) {
            client_->ExecuteCommand(std::move(entry.command));
        } else if (entry.id != kNoCommandId) {
            client_->HandleCommandId(entry.id);
        }
    }
}

void CmdQueue::Flush() {
    while (count_ > 0) Take();
}
