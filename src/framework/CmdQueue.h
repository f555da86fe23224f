#pragma once
// A queue of commands to run later, in the order they were queued: command objects or bare command
// ids. It holds at most 32 entries; an entry that does not fit is dropped (and its command freed).

#include <array>
#include <cstdint>
#include <memory>

#include "framework/TCommand.h"

// Who runs what a queue holds (the application).
class ICmdQueueClient {
public:
    virtual ~ICmdQueueClient() = default;
    virtual ErrCode HandleCommandId(std::int32_t id) = 0;
    // Runs the command and frees it.
    virtual ErrCode ExecuteCommand(std::unique_ptr<TCommand> command) = 0;
};

class CmdQueue {
public:
    static constexpr int kCapacity = 32;

    explicit CmdQueue(ICmdQueueClient* client) : client_(client) {}
    CmdQueue(const CmdQueue&) = delete;
    CmdQueue& operator=(const CmdQueue&) = delete;
    virtual ~CmdQueue() = default;

    void PostId(std::int32_t id);
    void Post(std::unique_ptr<TCommand> command);
    // Runs every waiting entry, oldest first, and the entries queued while it runs.
    void Process();
    // Removes every waiting entry, freeing its command unrun.
    void Flush();

    int Count() const { return count_; }

private:
    struct Entry {
        std::unique_ptr<TCommand> command;
        std::int32_t id = kNoCommandId;
    };

    void Append(Entry entry);
    Entry Take();

    ICmdQueueClient* client_;
    std::int16_t count_ = 0;
    std::int16_t head_ = -1;  // the oldest entry; -1 when empty
    std::int16_t tail_ = 0;   // where the next entry goes
    std::array<Entry, kCapacity> entries_;
};
