// Program entry.

#include <cstdint>
#include <cstdio>
#include <ctime>

#include "foundation/Platform.h"
#include "foundation/Random.h"
#include "foundation/Startup.h"

namespace {

// Stored files name the systems of old by their platform number; the record that describes this
// program's own files is the one of the system it runs on.
const char* RunningPlatformName() {
    const std::uint32_t platform = GetPlatformIndex();
    return GetPlatformInfo(platform) == RunningPlatformInfo() ? "Linux" : PlatformName(platform);
}

}  // namespace

int main() {
    StartUp();
    SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    std::printf("fablecore: started on platform %u (%s); the window framework is not built yet.\n",
                GetPlatformIndex(), RunningPlatformName());
    ShutDown();
    return 0;
}
