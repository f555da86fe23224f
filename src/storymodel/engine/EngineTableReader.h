#pragma once
// The reader of the engine data file (engine.qrv): a store holding the 45 engine records as raw
// 'STBL' segments 0-44, one byte per storyform index. The application hands the opened file over at
// start-up; the storyform solver reads fields through the one reader, which checks the records out
// on first use and keeps them until the engine tables are released.
//
// A record that is missing, not a raw segment or shorter than 16384 bytes is never used: its
// fields read as 0, and CheckEngineTables reports the file as damaged.

#include <cstdint>

#include "foundation/Types.h"
#include "storymodel/engine/EngineFields.h"

class PFMFile;

inline constexpr FourCC kEngineRecordType = FourCCOf("STBL");

class EngineTableReader {
public:
    // The single reader, made on first use with no record loaded.
    static EngineTableReader& Instance();

    // The field's value (0-56) for the storyform index (the number's low 14 bits); 0 for other
    // field numbers.
    std::uint8_t GetEngineField(int field, std::uint16_t index) {
        return EngineFieldValue(Records(), field, index);
    }
    // Every record the fields read, loaded.
    const EngineRecordSet& Records();

    EngineTableReader(const EngineTableReader&) = delete;
    EngineTableReader& operator=(const EngineTableReader&) = delete;
    ~EngineTableReader();

private:
    EngineTableReader() = default;
    void Load();

    bool loaded_ = false;
    // The checked-out segment data of each record (null when not loaded), and the bytes read.
    std::array<void*, kEngineRecordCount> records_{};
    EngineRecordSet recordData_{};
};

// The opened engine file (null: none). The reader's records are released first.
void SetEngineFile(PFMFile* file);
PFMFile* GetEngineFile();

// Checks the records back in and deletes the reader, when there is one.
void ReleaseEngineTables();

// Shorthands for the reader's operations.
std::uint8_t GetEngineField(int field, std::uint16_t index);

// Checks the engine file: every record the fields read is a raw segment of at least 16384 bytes,
// and every value is within the range its field allows (the dynamics of record 0 agree with the
// index, issues, problems, foci, catalysts and critical flaws below 64, benchmarks below 16, the
// overall story's catalyst in its own class). 0, -2 when no engine file is set, -3 when the file
// is damaged.
ErrCode CheckEngineTables();
