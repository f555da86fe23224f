#pragma once
// A readable description of a store file, for diagnosis: its name and size, the header and every
// record of the segment map. The file is read with its own stream, never opened as a store.

#include "foundation/Types.h"

class FileRef;
class IWriteFile;

// Writes the description of the file to out. Every failure is described in the text, whose
// closing line is always written; answers 0, -1 (no such file, or not a store file) or the code of
// the stream that failed.
ErrCode PFMDumpFile(const FileRef& file, IWriteFile& out);
