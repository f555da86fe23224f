#include "framework/FileTypeList.h"

#include <cstring>
#include <string>
#include <utility>

#include "foundation/pfm/FourCCText.h"
#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"

namespace {

using FilterRow = std::pair<std::string, std::string>;  // label, patterns

std::string Patterns(const std::vector<FourCC>& codes) {
    std::string patterns;
    for (const FourCC code : codes) {
        if (!patterns.empty()) patterns += ';';
        patterns += TypePattern(code);
    }
    return patterns;
}

// Writes the rows that fit, each label and pattern list ending in a NUL, and the closing NUL.
void WriteFilter(const std::vector<FilterRow>& rows, char* buffer, std::size_t size) {
    if (size == 0) return;
    std::size_t used = 0;
    for (const auto& [label, patterns] : rows) {
        const std::size_t length = label.size() + 1 + patterns.size() + 1;
        if (used + length + 1 > size) break;
        std::memcpy(buffer + used, label.c_str(), label.size() + 1);
        std::memcpy(buffer + used + label.size() + 1, patterns.c_str(), patterns.size() + 1);
        used += length;
    }
    buffer[used] = '\0';
    if (used + 1 < size) buffer[used + 1] = '\0';
}

}  // namespace

std::string TypePattern(FourCC code) {
    char text[8];
    return std::string("*") + FourCCToText(code, text);
}

FourCC TypeList::GetType(std::int32_t index) const {
    return index >= 0 && index < GetTypeCount() ? types_[static_cast<std::size_t>(index)] : 0;
}

TypeList* CustomFileList::AddTypeList(const char* label) {
    rows_.push_back(std::make_unique<TypeList>(label));
    return rows_.back().get();
}

TypeList* CustomFileList::GetTypeList(std::int32_t index) const {
    return index >= 0 && index < GetTypeListCount() ? rows_[static_cast<std::size_t>(index)].get() : nullptr;
}

void CustomFileList::BuildFilterString(char* buffer, std::size_t size) const {
    std::vector<FilterRow> rows;
    for (const auto& row : rows_) {
        std::vector<FourCC> codes;
        for (std::int32_t i = 0; i < row->GetTypeCount(); ++i) codes.push_back(row->GetType(i));
        rows.emplace_back(row->GetLabel() ? row->GetLabel() : "", Patterns(codes));
    }
    if (rows.empty()) rows.emplace_back("All Files (*.*)", "*.*");
    WriteFilter(rows, buffer, size);
}

void BuildTypeFilter(const FourCC* codes, char* buffer, std::size_t size) {
    std::vector<FourCC> list;
    for (const FourCC* code = codes; code && *code != 0; ++code) list.push_back(*code);
    if (list.empty()) {
        WriteFilter({{"All Files", "*.*"}}, buffer, size);
        return;
    }
    const TAppl* application = GetAppl();
    const std::string label = list.size() == 1 && list[0] == FourCCOf(".TXT") ? "Text File"
                              : application                                   ? application->GetAppName()
                                                                              : std::string();
    WriteFilter({{label, Patterns(list)}}, buffer, size);
}
