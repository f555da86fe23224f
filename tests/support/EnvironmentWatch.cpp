#include "support/EnvironmentWatch.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

extern char** environ;

EnvironmentWatch::EnvironmentWatch(std::vector<std::filesystem::path> folders)
    : folders_(std::move(folders)) {}

EnvironmentWatch::Variables EnvironmentWatch::CurrentVariables() {
    Variables variables;
    for (char** setting = environ; setting && *setting; ++setting) {
        const std::string text = *setting;
        const std::size_t equals = text.find('=');
        if (equals != std::string::npos) variables[text.substr(0, equals)] = text.substr(equals + 1);
    }
    return variables;
}

std::vector<std::string> EnvironmentWatch::Changes(const Variables& before, const Variables& after) {
    std::vector<std::string> changes;
    for (const auto& [name, value] : before) {
        const auto now = after.find(name);
        if (now == after.end()) {
            changes.push_back(name + " was \"" + value + "\" and is gone");
        } else if (now->second != value) {
            changes.push_back(name + " was \"" + value + "\" and is \"" + now->second + "\"");
        }
    }
    for (const auto& [name, value] : after) {
        if (!before.contains(name)) changes.push_back(name + " was not set and is \"" + value + "\"");
    }
    return changes;
}

std::set<std::string> EnvironmentWatch::Contents() const {
    std::set<std::string> names;
    for (const std::filesystem::path& folder : folders_) {
        std::error_code error;
        for (std::filesystem::recursive_directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error))
            names.insert(entry->path().string());
    }
    return names;
}

void EnvironmentWatch::OnTestStart(const testing::TestInfo& /*test*/) {
    variables_ = CurrentVariables();
    std::error_code error;
    workingFolder_ = std::filesystem::current_path(error);
    contents_ = Contents();
}

void EnvironmentWatch::OnTestEnd(const testing::TestInfo& /*test*/) {
    const Variables now = CurrentVariables();
    for (const std::string& change : Changes(variables_, now))
        ADD_FAILURE() << "the test left the environment changed: " << change;
    for (const auto& [name, value] : now)
        if (!variables_.contains(name)) ::unsetenv(name.c_str());
    for (const auto& [name, value] : variables_) ::setenv(name.c_str(), value.c_str(), 1);

    std::error_code error;
    if (std::filesystem::current_path(error) != workingFolder_) {
        ADD_FAILURE() << "the test left the working folder at " << std::filesystem::current_path(error)
                      << " instead of " << workingFolder_;
        std::filesystem::current_path(workingFolder_, error);
    }

    const std::set<std::string> contents = Contents();
    std::vector<std::string> left;
    std::set_difference(contents.begin(), contents.end(), contents_.begin(), contents_.end(),
                        std::back_inserter(left));
    for (const std::string& path : left) ADD_FAILURE() << "the test left " << path << " behind";
}
