#pragma once
// File kinds as the file choosers offer them: a TypeList is one row of the chooser's type list (a
// label and the four-character types it shows, each the extension with its dot, such as '.TXT'); a
// CustomFileList holds the rows a document class offers, in display order. From either the filter
// text of the system's choosers is built: pairs of label and patterns ("Story", "*.fsf"), each
// ending in a NUL, the list ending in one more.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/Types.h"

// Any type, and every file (the row "All Files").
inline constexpr FourCC kAnyTypeCode = FourCCOf("----");
inline constexpr FourCC kAllFilesCode = MakeFourCC('.', '*', 0, 0);

class TypeList {
public:
    // The label is the caller's and must outlive the list.
    explicit TypeList(const char* label) : label_(label) {}

    void AddType(FourCC code) { types_.push_back(code); }
    // 0 outside the list.
    FourCC GetType(std::int32_t index) const;
    std::int32_t GetTypeCount() const { return static_cast<std::int32_t>(types_.size()); }
    const char* GetLabel() const { return label_; }

private:
    const char* label_;
    std::vector<FourCC> types_;
};

class CustomFileList {
public:
    // Appends a row with the label (the caller's text) and answers it, for its types.
    TypeList* AddTypeList(const char* label);
    // Null outside the list.
    TypeList* GetTypeList(std::int32_t index) const;
    std::int32_t GetTypeListCount() const { return static_cast<std::int32_t>(rows_.size()); }

    // The rows' filter text ("All Files (*.*)" with "*.*" for a list without rows). Rows that do
    // not fit in the buffer are left out whole.
    void BuildFilterString(char* buffer, std::size_t size) const;

private:
    std::vector<std::unique_ptr<TypeList>> rows_;
};

// The filter text of one row made of the zero-ended codes: "All Files" with "*.*" for none (or
// null); else labelled "Text File" when the one code is '.TXT', otherwise with the application's
// name. Left empty when it does not fit.
void BuildTypeFilter(const FourCC* codes, char* buffer, std::size_t size);

// The pattern of a type: "*" and the type's text ("*.fsf").
std::string TypePattern(FourCC code);
