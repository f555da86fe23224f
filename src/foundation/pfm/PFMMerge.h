#pragma once
// Combines two store files into a third, for preparing data files. The files are read and written
// with their own streams, never opened as stores.

#include "foundation/Types.h"

class FileRef;

// Writes a store file holding every segment of the first file and those segments of the second
// whose type and id the first lacks, ordered by type (the code's 32-bit value) and id. Segments
// are copied byte for byte with their map flags. The header names the merge ('PMRG', version
// "1.00") as the last writer. Answers 0 or the first error: -1 for an input that is missing or
// not a store file, -20 when the output is one of the inputs; a failed merge leaves no output.
ErrCode PFMMergeFiles(const FileRef& first, const FileRef& second, const FileRef& output);
