#include "support/EnvironmentWatch.h"

#include <cstdlib>

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

EnvironmentWatch::Contents EnvironmentWatch::CurrentContents() const {
    Contents contents;
    for (const std::filesystem::path& folder : folders_) {
        std::error_code error;
        for (std::filesystem::recursive_directory_iterator entry(folder, error), end; !error && entry != end;
             entry.increment(error)) {
            std::error_code unknown;
            // A folder's own time moves with what is made in it; only files count as written.
            const bool file = entry->is_regular_file(unknown);
            contents[entry->path().string()] =
                file ? entry->last_write_time(unknown) : std::filesystem::file_time_type();
        }
    }
    return contents;
}

void EnvironmentWatch::OnTestStart(const testing::TestInfo& /*test*/) {
    variables_ = CurrentVariables();
    std::error_code error;
    workingFolder_ = std::filesystem::current_path(error);
    contents_ = CurrentContents();
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

    for (const auto& [path, written] : CurrentContents()) {
        const auto before = contents_.find(path);
        if (before == contents_.end()) {
            ADD_FAILURE() << "the test left " << path << " behind";
        } else if (before->second != written) {
            ADD_FAILURE() << "the test wrote " << path;
        }
    }
}
