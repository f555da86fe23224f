#pragma once
// Writing a text for other programs: the writer names a plain text file (".txt") in the save
// chooser, and the text, converted from program text to UTF-8, becomes the file's whole contents.
// The text is written to a new file beside the chosen one and renamed over it, so that a failure
// (a folder that cannot be written, a full disk) leaves the file as it was, or no file; the
// failure is told in an alert.

#include <string>
#include <string_view>

#include "foundation/FileRef.h"
#include "foundation/Types.h"

inline constexpr FourCC kTextFileType = FourCCOf(".txt");

// Asks under the title for the file to write, offering the name; true when one was chosen. A
// file that exists is chosen only once the writer agrees to replace it.
bool AskTextFileToExport(const char* title, const std::string& offeredName, FileRef& file);

// Writes the program text into the file as UTF-8; true when it was written.
bool WriteTextFile(const FileRef& file, std::string_view text);

// The name offered for a file written from the story file of that name: its name without the
// extension, the suffix and ".txt" ("Harbour.fsf" and " Scenes": "Harbour Scenes.txt"); a story
// without a file name offers "Story" and the suffix.
std::string ExportFileName(const std::string& storyFileName, const char* suffix);
