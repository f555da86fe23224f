#pragma once
// The framework's scoped busy cursor: the wait cursor (the environment's default busy cursor) from
// construction to destruction. Nested guards keep it until the outermost one goes.
//
// The story model has a guard of the same name that reaches the cursor through its prompts service.
// This one lives in a namespace of its own so that the two classes never merge at link time; code
// that sees both must say which it means.

#include "framework/graphics/Cursors.h"

inline namespace framework_cursors {

class BusyCursor {
public:
    BusyCursor() { PushCursor(-1); }
    ~BusyCursor() { PopCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace framework_cursors
