#pragma once
// Test support: environment variables set (or removed) for one test, each put back as it was when
// the test ends, whatever the test set it to meanwhile.

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class ScopedEnv {
public:
    ScopedEnv() = default;
    ScopedEnv(const char* name, const std::string& value) { Set(name, value); }
    ~ScopedEnv() {
        for (auto earlier = earlier_.rbegin(); earlier != earlier_.rend(); ++earlier)
            Put(earlier->first, earlier->second);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void Set(const std::string& name, const std::string& value) { Change(name, value); }
    void Remove(const std::string& name) { Change(name, std::nullopt); }

private:
    void Change(const std::string& name, const std::optional<std::string>& value) {
        bool noted = false;
        for (const auto& earlier : earlier_) noted = noted || earlier.first == name;
        if (!noted) {
            const char* was = std::getenv(name.c_str());
            earlier_.emplace_back(name, was ? std::optional<std::string>(was) : std::nullopt);
        }
        Put(name, value);
    }
    static void Put(const std::string& name, const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

    // Each variable's value before its first change, in the order of the changes.
    std::vector<std::pair<std::string, std::optional<std::string>>> earlier_;
};
