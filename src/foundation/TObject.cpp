#include "foundation/TObject.h"

#include <cassert>
#include <limits>

void TObject::Lock() {
    // The count is one byte; a lock beyond its range is refused rather than wrapped.
    assert(lockCount_ < std::numeric_limits<std::uint8_t>::max());
    if (lockCount_ == std::numeric_limits<std::uint8_t>::max()) return;
    if (lockCount_++ == 0) DoLock();
}

void TObject::Unlock() {
    assert(lockCount_ > 0);
    if (lockCount_ == 0) return;
    if (lockCount_ == 1) DoUnlock();
    --lockCount_;
}

std::uint32_t ObjectTotalSize(const TObject& object) { return object.GetObjectSize() + object.GetDataSize(); }

void DeleteObject(TObject* object) { delete object; }

bool ReleaseObject(TObject* object) {
    if (!object) return false;
    if (object->CanClose()) return true;
    delete object;
    return false;
}
