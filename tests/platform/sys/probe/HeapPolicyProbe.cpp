// Allocates blocks, frees them and tells whether the heap kept all of their memory: exit status 0
// when every freed byte is still free in the heap, 1 when some went back to the system, 2 on bad
// arguments or a refused policy.
//   heap_policy_probe policy|default <megabytes per block> <blocks>
// With "policy" the program's heap policy is set first. Built without the sanitizers, whose
// allocators keep a policy of their own.

#include <malloc.h>

#include <array>
#include <cstdlib>
#include <cstring>

#include "platform/sys/HeapPolicy.h"

int main(int argc, char** argv) {
    if (argc != 4) return 2;
    const bool policy = std::strcmp(argv[1], "policy") == 0;
    if (!policy && std::strcmp(argv[1], "default") != 0) return 2;
    const std::size_t bytes = std::strtoul(argv[2], nullptr, 10) << 20;
    const int count = std::atoi(argv[3]);
    // The blocks' list is not on the heap: a small block above the freed ones would pin them.
    std::array<char*, 16> blocks{};
    if (bytes == 0 || count <= 0 || count > static_cast<int>(blocks.size())) return 2;
    if (policy && !win::KeepHeapForReuse()) return 2;

    for (int i = 0; i < count; ++i) {
        blocks[i] = static_cast<char*>(std::malloc(bytes));
        if (!blocks[i]) return 2;
        std::memset(blocks[i], 1, bytes);  // every page really used
    }
    for (int i = 0; i < count; ++i) std::free(blocks[i]);
    return mallinfo2().fordblks >= bytes * static_cast<std::size_t>(count) ? 0 : 1;
}
