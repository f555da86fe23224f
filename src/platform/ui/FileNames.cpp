// Names, paths, type filters and folder listings for the file chooser.

#include "platform/ui/FileNames.h"

#include <algorithm>
#include <cstring>

#include "platform/sys/Cp1252.h"
#include "platform/sys/FileSystem.h"

namespace win::detail {
namespace {

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = Cp1252ToLower(c);
    return folded;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> SplitPatterns(std::string_view text) {
    std::vector<std::string> patterns;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(';'), text.size());
        const std::string_view pattern = TrimBlanks(text.substr(0, end));
        if (!pattern.empty()) patterns.emplace_back(pattern);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return patterns;
}

std::vector<FileFilter> ReadFilterList(const char* filters) {
    std::vector<FileFilter> list;
    if (filters == nullptr) return list;
    while (*filters != '\0') {
        FileFilter row;
        row.label = filters;
        filters += row.label.size() + 1;
        if (*filters == '\0') break;
        const std::string_view patterns(filters);
        row.patterns = SplitPatterns(patterns);
        filters += patterns.size() + 1;
        if (!row.patterns.empty()) list.push_back(std::move(row));
    }
    return list;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*") return true;
    // Greedy matching that, on a mismatch, lets the last '*' take one more character.
    std::size_t n = 0, p = 0, starAt = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            starName = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || Cp1252ToLower(pattern[p]) == Cp1252ToLower(name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string_view::npos) {
            p = starAt + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool MatchesAnyPattern(std::string_view name, const std::vector<std::string>& patterns) {
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const std::string& pattern) { return MatchesPattern(name, pattern); });
}

std::string NormalisePath(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const std::size_t end = std::min(path.find('/'), path.size());
        const std::string_view part = path.substr(0, end);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        path.remove_prefix(std::min(end + 1, path.size()));
    }
    std::string normal;
    for (std::string_view part : parts) normal.append("/").append(part);
    return normal.empty() ? "/" : normal;
}

std::string ResolvePath(std::string_view folder, std::string_view typed, std::string_view home) {
    if (!typed.empty() && typed.front() == '/') return NormalisePath(typed);
    if (typed == "~" || typed.substr(0, 2) == "~/")
        return NormalisePath(std::string(home) + "/" + std::string(typed.substr(1)));
    return NormalisePath(std::string(folder) + "/" + std::string(typed));
}

std::string ParentFolder(std::string_view path) { return NormalisePath(std::string(path) + "/.."); }

std::string_view LastPart(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string WithDefaultExtension(std::string_view name, std::string_view defaultExtension) {
    while (!defaultExtension.empty() && defaultExtension.front() == '.') defaultExtension.remove_prefix(1);
    std::string result(name);
    if (defaultExtension.empty()) return result;
    const std::string_view last = LastPart(name);
    const std::size_t dot = last.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        result.append(".").append(defaultExtension);
    } else if (dot + 1 == last.size()) {
        result.append(defaultExtension);
    }
    return result;
}

bool ListFolderChoices(const std::string& folder, const std::vector<std::string>& patterns,
                       std::vector<FolderChoice>& choices) {
    std::vector<FolderEntry> entries;
    if (!ListFolder(folder.c_str(), entries, UnheldNames::kShown)) return false;
    choices.clear();
    for (FolderEntry& entry : entries) {
        if (entry.name.empty() || entry.name.front() == '.') continue;
        if (!entry.isDirectory && !entry.isFile) continue;
        if (!entry.isDirectory && !MatchesAnyPattern(entry.name, patterns)) continue;
        choices.push_back(FolderChoice{std::move(entry.name), entry.isDirectory, entry.isHeld});
    }
    // Names alike but for case keep the listing's order, that of the system's names.
    std::stable_sort(choices.begin(), choices.end(), [](const FolderChoice& a, const FolderChoice& b) {
        if (a.isFolder != b.isFolder) return a.isFolder;
        return Folded(a.name) < Folded(b.name);
    });
    return true;
}

bool IsFolder(const std::string& path) {
    PathInfo info;
    return GetPathInfo(path.c_str(), info) && info.isDirectory;
}

bool IsFile(const std::string& path) {
    PathInfo info;
    return GetPathInfo(path.c_str(), info) && !info.isDirectory;
}

}  // namespace win::detail
