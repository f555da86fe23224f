#pragma once
// The one concrete file that is readable and writable at once. FileReader and FileWriter open
// files through it, and temporary files are made with it under names that do not exist yet.

#include <vector>

#include "foundation/QRVWinFile.h"

class File : public QRVWinFile {
public:
    explicit File(const FileRef& ref = FileRef(), std::uint32_t byteOrder = 0) : QRVWinFile(ref, byteOrder) {}

    // Creates and opens a new file in the folder under the first free name of "unique$$.000" to
    // "unique$$.998". The file is created exclusively, so a name that someone else takes at the
    // same moment is skipped, never shared or emptied. When all 999 names are taken: -23, with
    // "Could not find a unique filename." through DebugPrintf. Any other failure to create ends
    // the search with its code.
    ErrCode CreateUnique(const char* volume, const char* directory);

    // The same with another name pattern (a printf format taking the number 0 to 998), and
    // without the message: -23 alone when every name is taken. Files the caller knows to exist (files it
    // holds open) are passed over without trying their names.
    ErrCode CreateUniqueNamed(const char* volume, const char* directory, const char* pattern,
                              const std::vector<const FileRef*>& taken = {});

    // Whether opening the file as its reference asks (a file to create is opened for writing
    // instead, never emptied) fails only because another opener holds it (QRVWinFile.h): another
    // program, or another copy of this one.
    static bool IsHeldElsewhere(const FileRef& ref);

    // Kept free for an operation files may need later; does nothing and answers -1.
    ErrCode Reserved() const { return -1; }
};
