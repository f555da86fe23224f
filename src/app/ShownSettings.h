#pragma once
// The settings a page of the preferences window showed when it was loaded, each with what its
// record held then. Every story has a preferences window of its own, and two of them may show the
// same application-wide settings at once: a page writes back a setting that the writer left as the
// page showed it only while the record still holds what it held then, so that closing one window
// does not undo what the other stored meanwhile.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

class PText;

class ShownSettings {
public:
    // The setting (a 16-bit number or a text of the record) as the page shows it once loaded.
    void Note(PText* record, const char* key, std::int16_t shown);
    void Note(PText* record, const char* key, const std::string& shown);
    // Whether the page writes the value into the setting: the writer changed it on the page, or the
    // record holds what it held when the page was loaded (as does a setting the page never noted).
    bool Writes(PText* record, const char* key, std::int16_t value) const;
    bool Writes(PText* record, const char* key, const std::string& value) const;
    // Stores the number as the setting's value when Writes answers yes.
    void Store(PText* record, const char* key, std::int16_t value) const;

private:
    struct Shown {
        std::optional<std::string> held;
        std::string shown;
    };
    using Key = std::pair<const PText*, std::string>;

    static std::optional<std::string> HeldNumber(PText* record, const char* key);
    static std::optional<std::string> HeldText(PText* record, const char* key);
    bool Writes(const Key& key, const std::optional<std::string>& held, const std::string& value) const;

    std::map<Key, Shown> shown_;
};
