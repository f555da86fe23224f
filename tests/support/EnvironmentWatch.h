#pragma once
// Every test leaves its program as it found it: the environment variables, the working folder and
// the program's private folders (home, configuration, runtime, temporary) hold after the test what
// they held before it. A test that leaves one changed fails, naming what it left, and the variables
// and working folder are put back, so that the next test of a program run whole starts as it would
// alone. Files a test leaves or rewrites in a watched folder (the private ones, and the build's
// program folder the tests read) mean it wrote outside its own temporary folders.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

class EnvironmentWatch : public testing::EmptyTestEventListener {
public:
    explicit EnvironmentWatch(std::vector<std::filesystem::path> folders);

    void OnTestStart(const testing::TestInfo& test) override;
    void OnTestEnd(const testing::TestInfo& test) override;

    using Variables = std::map<std::string, std::string>;
    static Variables CurrentVariables();
    // What changed from one set of variables to the other, a line for each variable.
    static std::vector<std::string> Changes(const Variables& before, const Variables& after);

private:
    // Everything in the folders, at any depth, with the time each file was last written.
    using Contents = std::map<std::string, std::filesystem::file_time_type>;
    Contents CurrentContents() const;

    std::vector<std::filesystem::path> folders_;
    Variables variables_;
    std::filesystem::path workingFolder_;
    Contents contents_;
};
