#pragma once
// A copy of every entry of a keyed record, put back whole when a dialog's changes are cancelled.

#include <string>
#include <vector>

class PText;

class RecordSnapshot {
public:
    // Every entry of the record as it stands now.
    explicit RecordSnapshot(PText& record);

    // The record holds exactly the copied entries again (entries added since are taken away).
    void Restore() const;

private:
    struct Entry {
        std::string key;
        char type;
        std::vector<char> value;  // a text with its NUL, or the number's bytes
    };

    PText& record_;
    std::vector<Entry> entries_;
};
