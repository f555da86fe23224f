#include "platform/sys/HeapPolicy.h"

#include <malloc.h>

namespace win {

bool KeepHeapForReuse() {
    // mallopt answers 1 when it took the setting.
    const bool blocks = mallopt(M_MMAP_THRESHOLD, static_cast<int>(kHeapBlockLimit)) == 1;
    const bool kept = mallopt(M_TRIM_THRESHOLD, static_cast<int>(kHeapKeptFree)) == 1;
    return blocks && kept;
}

}  // namespace win
