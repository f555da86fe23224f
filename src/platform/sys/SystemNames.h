#pragma once
// Where names cross between the program and the system. Inside the program, paths and file names
// are Windows-1252 text like all its text; the system's are UTF-8. Every call of this layer that
// takes a path takes program text and hands the system its UTF-8 form, and every name it answers
// (folder listings, the current folder, the program's path, folders from the environment) comes
// back as program text.
//
// A system name that is not UTF-8, or holds a character Windows-1252 lacks, has no program form.
// Such a name is never changed into another: a call that would answer it fails with EILSEQ.

#include <optional>
#include <string>
#include <string_view>

namespace win {

// The system form of a program name; every program name has one.
std::string NameForSystem(std::string_view name);

// The program form of a system name, when it has one.
std::optional<std::string> NameFromSystem(std::string_view systemName);

}  // namespace win
