#pragma once
// Test support for the developer's scripts: a folder of stand-ins for the commands a script runs,
// each noting its call (its name and words, a line each) in one log, and a way to run a script over
// them with nothing but the stand-ins and the system's own commands on its path.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/sys/TempFolder.h"

// Whether the text holds the part.
inline bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class ScriptStandIns {
public:
    ScriptStandIns() { std::filesystem::create_directory(folder / "bin"); }

    // A stand-in on the path for the command: it notes its call, then runs the shell words.
    void Command(const std::string& name, const std::string& then = "") { Write("bin/" + name, name, then); }
    // A stand-in at a place of the folder (made with its folders), noted under its name.
    void Write(const std::string& place, const std::string& name, const std::string& then) {
        std::filesystem::create_directories(std::filesystem::path(folder / place).parent_path());
        const std::string path = folder.WriteFile(
            place, "#!/bin/sh\necho \"" + name + " $*\" >> \"" + Log() + "\"\n" + then + "\n");
        ASSERT_EQ(::chmod(path.c_str(), 0755), 0) << path;
    }
    // A copy of one of the developer's scripts at a place of the folder.
    void CopyScript(const std::string& script, const std::string& place) {
        std::filesystem::create_directories(std::filesystem::path(folder / place).parent_path());
        std::filesystem::copy_file(std::string(SCRIPTS_DIR "/") + script, folder / place);
    }

    // Runs the script with the words, after the variable settings (as env takes them, "-u NAME"
    // among them); answers its exit status. What it says goes to Said().
    int Run(const std::string& script, const std::string& words = "", const std::string& settings = "") {
        const std::string command = "env " + settings + " PATH='" + folder / "bin" + ":/usr/bin:/bin' '" +
                                    script + "' " + words + " >'" + folder / "said" + "' 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Calls() const { return TempFolder::ReadFile(Log()); }
    void ForgetCalls() const { std::remove(Log().c_str()); }
    std::string Said() const { return TempFolder::ReadFile(folder / "said"); }

    TempFolder folder;

private:
    std::string Log() const { return folder / "log"; }
};
