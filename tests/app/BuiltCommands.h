#pragma once
// The "Commands" folder a test's program folder gets: the build's files in a folder of the test's
// own, so that what the program writes there stays out of the build's. The story examples file,
// which the program and the tests rewrite, is a copy (writing through a link would change the
// build's own); the files only read are links.

#include <filesystem>
#include <string>

#include "app/Fablecore.h"

namespace apptest {

inline void InstallBuiltCommands(const std::string& builtFolder, const std::filesystem::path& programFolder) {
    const std::filesystem::path commands = programFolder / "Commands";
    std::filesystem::create_directory(commands);
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(builtFolder) / "Commands")) {
        const std::filesystem::path own = commands / entry.path().filename();
        if (entry.path().filename() == Fablecore::kExamplesFileName)
            std::filesystem::copy_file(entry.path(), own);
        else
            std::filesystem::create_symlink(entry.path(), own);
    }
}

}  // namespace apptest
