#pragma once
// Internal to the window layer: what the file chooser knows of names, paths, type filters and
// folders, apart from its window.
//
// Names are program text (platform/sys/SystemNames.h). A name on disk that has no program form is
// shown (each character the program lacks as '?') but never handed to the program.

#include <string>
#include <string_view>
#include <vector>

namespace win::detail {

// One row of a filter list: "Stories (*.fsf)" and its patterns ("*.fsf;*.FSF" gives two).
struct FileFilter {
    std::string label;
    std::vector<std::string> patterns;
};

// Reads a filter list: label and patterns as pairs of NUL-terminated texts, ended by an empty
// text. Patterns are separated by ';', blanks around them dropped. A label without patterns ends
// the list.
std::vector<FileFilter> ReadFilterList(const char* filters);
// The text without the blanks around it.
std::string_view TrimBlanks(std::string_view text);
// Splits "*.txt; *.doc" into its patterns.
std::vector<std::string> SplitPatterns(std::string_view text);

// Whether a name matches a pattern of literal characters, '?' (any one) and '*' (any run), letters
// of either case alike. "*.*" matches every name, with or without a dot.
bool MatchesPattern(std::string_view name, std::string_view pattern);
bool MatchesAnyPattern(std::string_view name, const std::vector<std::string>& patterns);

// Paths are absolute, '/'-separated, without "." or ".." parts or a final '/' (but "/" itself).
std::string NormalisePath(std::string_view path);
// What a typed path names seen from a folder: itself when absolute, under the home folder after
// "~", else under the folder.
std::string ResolvePath(std::string_view folder, std::string_view typed, std::string_view home);
std::string ParentFolder(std::string_view path);
// The part after the last '/'.
std::string_view LastPart(std::string_view path);

// The name with the default extension (given with or without its dot) added when it has none; a
// name that ends in a bare dot takes the extension after that dot. A name whose only dot is its
// first character (".notes") has no extension.
std::string WithDefaultExtension(std::string_view name, std::string_view defaultExtension);

// What a folder offers: its folders, then its files that match one of the patterns, each group
// sorted by name without regard to case; hidden entries (names beginning with '.') are left out.
struct FolderChoice {
    std::string name;  // as shown: the program form, or the system name with '?' for what it lacks
    bool isFolder = false;
    bool usable = false;  // the name has a program form
};
// False when the folder cannot be read (GetLastError says why).
bool ListFolderChoices(const std::string& folder, const std::vector<std::string>& patterns,
                       std::vector<FolderChoice>& choices);

// Whether the path (a program name) names a folder, or a file.
bool IsFolder(const std::string& path);
bool IsFile(const std::string& path);

}  // namespace win::detail
