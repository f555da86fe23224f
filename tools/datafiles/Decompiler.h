#pragma once
// The decompiler: a store file becomes a folder of sources that compile back to the same bytes.
// Each segment gets the readable source of its kind; when that would not give back its exact bytes
// (a record written by something other than this compiler, a kind no source describes), it gets a
// raw source of its bytes instead.

#include <string>

#include "datafiles/Diagnostics.h"
#include "datafiles/Segment.h"
#include "datafiles/SourceKind.h"

// The file name (without ending) of a segment's source: its type and id, as in "ITM#-1070"; bytes
// other than letters, digits and '#' are written as _HH.
std::string SourceBaseName(PFMSegmentKey key);

// The source of one segment: readable when that compiles back to the same segment, else raw.
DecompiledSource DecompileSegment(const SegmentData& segment, const std::string& baseName);

// Writes a source (and its companion files) for every segment of the store into the folder, which
// is made when missing. Answers whether everything was written.
bool DecompileStore(const std::string& storePath, const std::string& folder, Diagnostics& diagnostics);
