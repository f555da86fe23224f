#pragma once
// A saving road run with each of its file calls failing in turn: once with the disk working, to
// count the calls of each kind, then from a fresh start with each of those calls failing. After a
// failure the road is run again with the disk working, and it must succeed.

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "foundation/Types.h"
#include "platform/sys/FileFaults.h"

namespace filefaults {

inline constexpr std::array<win::FileCall, 4> kSaveCalls = {win::FileCall::kWrite, win::FileCall::kFlush,
                                                            win::FileCall::kSync, win::FileCall::kRename};

struct SaveRoad {
    std::function<void()> fresh;            // the file on disk and the open document, changed
    std::function<void()> mark;             // notes what the user has been told so far
    std::function<ErrCode()> road;          // the save
    std::function<void(ErrCode)> failed;    // checks what a failed save left
    std::function<void()> done;             // checks what a save that went through left
};

// What the run saw: the calls of each kind in kSaveCalls the working road made, and how many of
// the failing runs reported their failure.
struct SaveRoadRun {
    std::vector<unsigned long> counts;
    int failures = 0;
};

inline void FailEachFileCall(const SaveRoad& save, SaveRoadRun& run) {
    save.fresh();
    win::ResetFileCalls();
    ASSERT_EQ(save.road(), kNoErr);
    for (const win::FileCall call : kSaveCalls) run.counts.push_back(win::GetFileCallCount(call));
    save.done();
    for (std::size_t kind = 0; kind < kSaveCalls.size(); ++kind) {
        for (unsigned long nth = 1; nth <= run.counts[kind]; ++nth) {
            SCOPED_TRACE(testing::Message() << "call kind " << kind << ", call " << nth);
            save.fresh();
            save.mark();
            win::ResetFileCalls();
            win::FailFileCall(kSaveCalls[kind], nth);
            const ErrCode error = save.road();
            win::ResetFileCalls();
            if (error != kNoErr) {
                ++run.failures;
                save.failed(error);
                ASSERT_EQ(save.road(), kNoErr) << "the save goes through once the disk works again";
            }
            save.done();
        }
    }
}

}  // namespace filefaults
