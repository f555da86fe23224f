#pragma once
// The program's mouse cursors by id: system cursors (ids below 128), still cursors from 'CURS'
// segments of the application data file, and animated ones, which all show as the one busy cursor.
// Busy phases push ids on a stack and pop them again.

#include <cstdint>
#include <vector>

#include "platform/sys/WinTypes.h"

struct CursorRecord {
    std::int32_t id = 0;
    std::uint32_t rate = 0;  // kept with the record, not used here
    std::int16_t kind = 0;   // below 2 a still cursor, 2 and above an animated one
    std::int16_t fromDataFile = 0;
    // While an animated cursor with this flag shows, requests to show another id are ignored.
    std::int16_t hold = 0;
    std::vector<win::HCURSOR> handles;  // the first is shown; none for animated cursors

    bool IsAnimated() const { return kind >= 2; }
};

inline constexpr std::int16_t kStillCursor = 1;
inline constexpr std::int32_t kArrowCursor = 0;
inline constexpr std::int32_t kIBeamCursor = 1;
inline constexpr std::int32_t kCrossCursor = 2;
inline constexpr std::int32_t kWaitCursor = 4;
inline constexpr std::int32_t kFirstDataFileCursor = 128;

class CursorManager {
public:
    CursorManager() = default;
    ~CursorManager();
    CursorManager(const CursorManager&) = delete;
    CursorManager& operator=(const CursorManager&) = delete;

    // Adds a record for the id: a system cursor below 128, else one from the data file (which must
    // be the current store): a still cursor is made from its 'CURS' segment, an animated one only
    // needs the segment to exist. The record is added in any case; answers 1 when the cursor is
    // there, 0 when not.
    std::int16_t Define(std::int32_t id, std::int16_t kind, std::int16_t hold, std::uint32_t rate);
    bool IsDefined(std::int32_t id) const { return IndexOf(id) >= 0; }

    // Shows a still cursor (a still id whose cursor is missing shows the arrow) and records the id
    // as the current one; -1 changes nothing. While the busy cursor shows with a holding record
    // nothing happens; otherwise the busy cursor stops first.
    void Show(std::int32_t id);
    void ShowArrow() { Show(kArrowCursor); }
    // A busy phase: the id's record becomes current and animates, or shows when still. Ids that are
    // not defined are ignored.
    void Push(std::int32_t id);
    // Ends the newest phase: the one below goes on, or the arrow comes back when none is left.
    void Pop();
    void StartAnimated();
    void StopAnimated();
    // Shows the current record's cursor again; answers its id.
    std::int32_t RefreshCursor();
    // Destroys the cursors made from the data file and forgets every record and phase.
    void Clear();

    bool IsBusy() const { return busy_ != 0; }
    const CursorRecord& Current() const { return current_; }
    int StackDepth() const { return static_cast<int>(stack_.size()); }

private:
    int IndexOf(std::int32_t id) const;
    void SetCurrentId(std::int32_t id) const;

    std::vector<CursorRecord> records_;
    std::vector<std::int16_t> stack_;  // record indexes
    std::int32_t stackTop_ = -1;
    CursorRecord current_;
    std::int16_t busy_ = 0;
    win::HCURSOR beforeBusy_ = nullptr;
};
