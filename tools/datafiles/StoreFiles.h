#pragma once
// Store files as the data compiler writes them and the decompiler reads them, through the
// project's own store code.

#include <string>
#include <vector>

#include "datafiles/Segment.h"
#include "foundation/Types.h"
#include "foundation/Version.h"
#include "foundation/pfm/PFMFormat.h"

// The signature every data file of the program is written with.
inline constexpr FourCC kDataFileSignature = FourCCOf("Fabl");

// Writes a new store file holding the segments (whose keys are all different), as the program's
// data files are written: signed by the application, with the version given, by a full save (the
// file is replaced whole, or left as it was). The store interface must be set up (PFMInit).
ErrCode WriteStoreFile(const std::vector<SegmentData>& segments, const std::string& path,
                       VersionNumber version);

struct StoreFileContents {
    PFMHeader header;
    std::vector<SegmentData> segments;  // in the file's order
};

// Reads every segment's stored form out of a store file. -6 for a file that is no store, -7 or
// -3 for a damaged one, -1 for a segment of a kind that only its own program can write.
ErrCode ReadStoreFile(const std::string& path, StoreFileContents& contents);
