#pragma once
// The file under every open store, and the store's swap file. Both alternate between buffered
// reading and buffered writing; their numbers are big-endian like every store file.

#include <cstdint>
#include <vector>

#include "foundation/FileReaderWriter.h"
#include "foundation/pfm/PFMFormat.h"

class PFMDiskFile : public TFileReaderWriter {
public:
    using TFileReaderWriter::TFileReaderWriter;

    // Reads the identification, header and map of the open file and checks them against its
    // length (see PFMReadFileLayout); the records a map that ends short of the file leaves after its
    // end (PFMReadUnlistedRecords) follow the map's own.
    ErrCode ReadLayout(PFMHeader& header, SegmentMap& map);
    // The same for a file just opened, against the length its opening found.
    ErrCode ReadOpenedLayout(PFMHeader& header, SegmentMap& map);
    // The records after the end of the map of the file just opened, read with its layout before;
    // none, and nothing read, when the map ends where the file does.
    SegmentMap ReadUnlistedRecords(const PFMHeader& header, const SegmentMap& map);
    // The file's length as its opening found it.
    std::uint32_t OpenedLength() const;
};

// A scratch file in the temporary folder that holds changed segments whose memory was needed
// before they were saved. It is never part of a document and is deleted when closed.
class PFMSwapFile : public TFileReaderWriter {
public:
    PFMSwapFile(std::uint32_t readBufferSize, std::uint32_t writeBufferSize)
        : TFileReaderWriter(readBufferSize, writeBufferSize) {}
    ~PFMSwapFile() override { Close(); }

    // Creates the file in the temporary folder under the first free name of "PFM_Swap.000" to
    // "PFM_Swap.998" and opens it for reading and writing: 0, the open error, or -23 (with "Could
    // not find a unique swap file filename." through DebugPrintf). The swap files this program
    // holds open (taken) exist: their names are passed over without trying them.
    ErrCode Create(const std::vector<const FileRef*>& taken = {});
    // When open: closes the file and deletes it.
    ErrCode Close();
};
