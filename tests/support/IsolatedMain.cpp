// The main routine of every test program. Each program runs headless over the build's program
// folder, with home, configuration, runtime and temporary folders of its own, made fresh and removed
// at the end, so no test reads or writes the user's own settings and test programs running side by
// side never share a profile, a socket, a lock or a swap file. Each test must leave the program as it
// found it, and the build's program folder unwritten (EnvironmentWatch).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/EnvironmentWatch.h"

namespace {

// A test body started in a process of its own (FreshProcess.h) runs in the folders of the test that
// started it.
bool RunsForAnotherProcess(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]).starts_with("--gtest_internal_run_death_test")) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (RunsForAnotherProcess(argc, argv)) {
        testing::InitGoogleTest(&argc, argv);
        return RUN_ALL_TESTS();
    }
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "fablecore-test-XXXXXX").string();
    if (error || ::mkdtemp(pattern.data()) == nullptr) {
        std::perror("fablecore tests: cannot make a private folder");
        return 1;
    }
    // The temporary folder is open to all, as the system's is: tests that drop to another user make
    // their files there.
    const std::string root = pattern;
    std::vector<std::filesystem::path> folders;
    const struct {
        const char* variable;
        const char* folder;
        mode_t mode;
    } places[] = {{"HOME", "/home", 0700},           {"XDG_CONFIG_HOME", "/config", 0700},
                  {"XDG_RUNTIME_DIR", "/run", 0700}, {"TMPDIR", "/tmp", 01777},
                  {"TEMP", "/tmp", 01777},           {"TMP", "/tmp", 01777}};
    if (::chmod(root.c_str(), 0755) != 0) {
        std::perror("fablecore tests: cannot open the private folder");
        return 1;
    }
    for (const auto& place : places) {
        const std::string path = root + place.folder;
        std::filesystem::create_directory(path, error);
        if (error || ::chmod(path.c_str(), place.mode) != 0 ||
            ::setenv(place.variable, path.c_str(), 1) != 0) {
            std::perror("fablecore tests: cannot prepare the private folders");
            return 1;
        }
        if (std::find(folders.begin(), folders.end(), path) == folders.end()) folders.emplace_back(path);
    }
    // The program's own configuration folder is there, as after its first run: every save records
    // its temporary file in it for a while, and that leaves no folder behind.
    if (!std::filesystem::create_directory(root + "/config/fablecore", error)) {
        std::perror("fablecore tests: cannot prepare the configuration folder");
        return 1;
    }

    // Headless, over the program folder of the build the program belongs to.
    if (::setenv("FABLECORE_HEADLESS", "1", 1) != 0 ||
        ::setenv("FABLECORE_PROGRAM_DIR", BUILT_PROGRAM_DIR, 1) != 0) {
        std::perror("fablecore tests: cannot set the program's environment");
        return 1;
    }
    // The tests read the program folder; none may write there.
    folders.emplace_back(BUILT_PROGRAM_DIR);

    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new EnvironmentWatch(std::move(folders)));
    const int result = RUN_ALL_TESTS();
    std::filesystem::remove_all(root, error);
    return result;
}
