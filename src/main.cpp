// Program entry.

#include <cstdio>
#include <ctime>

#include "foundation/Platform.h"
#include "foundation/Random.h"
#include "foundation/Startup.h"

int main() {
    StartUp();
    SeedRandom(static_cast<unsigned>(std::time(nullptr)));
    std::printf("fablecore: started on platform %u (%s); the window framework is not built yet.\n",
                GetPlatformIndex(), PlatformName(GetPlatformIndex()));
    ShutDown();
    return 0;
}
