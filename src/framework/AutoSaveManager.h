#pragma once
// The reminder to save: a timer on the frame window fires every 50 seconds, and each changed
// document whose last change is older than the interval gets the question "AutoSave document '%s'
// now?". While an AutoSaveInhibitor lives no question is asked. The question waits for the writer
// to pause in typing, and keeps the keys typed while it is up from it (TypingHold.h).

#include <cstdint>
#include <memory>

#include "framework/QRVTimer.h"

class TAppl;

inline constexpr std::uint32_t kAutoSaveTimerId = 57;
inline constexpr std::uint32_t kAutoSavePeriod = 50000;  // milliseconds
// The frame's timer that waits for the writer to pause before the question.
inline constexpr std::uint32_t kAutoSavePauseTimerId = 59;

class AutoSaveManager {
public:
    explicit AutoSaveManager(TAppl* application);
    AutoSaveManager(const AutoSaveManager&) = delete;
    AutoSaveManager& operator=(const AutoSaveManager&) = delete;
    virtual ~AutoSaveManager() = default;

    // On or off, and the time (in sixtieths of a second) a document may stay changed; runs the
    // timer when on and not inhibited, else stops it.
    void Configure(bool enabled, std::uint32_t interval);
    // The frame's timer: checks the documents when it is the autosave timer, or the writer's pause
    // waited for, and autosave is on.
    void OnTimer(std::uint32_t id);
    // After a check was put off while the program was in the background: checks again now.
    void ResumePending();
    void CheckDocuments();

    bool IsEnabled() const { return enabled_; }
    // The time set by the last Configure.
    std::uint32_t GetInterval() const { return interval_; }
    void Inhibit() { ++inhibitCount_; }
    void Release() {
        if (inhibitCount_ > 0) --inhibitCount_;
    }
    bool IsPending() const { return pending_; }

private:
    TAppl* application_;
    bool pending_ = false;
    bool prompting_ = false;
    bool enabled_ = false;
    std::uint32_t interval_ = 0;
    std::unique_ptr<QRVTimer> timer_;
    std::int16_t inhibitCount_ = 0;
};

// Keeps the autosave question away while it lives.
class AutoSaveInhibitor {
public:
    AutoSaveInhibitor();
    AutoSaveInhibitor(const AutoSaveInhibitor&) = delete;
    AutoSaveInhibitor& operator=(const AutoSaveInhibitor&) = delete;
    virtual ~AutoSaveInhibitor();
};
