#pragma once
// The store interface: free functions over one process-wide state.
//
// Callers open stores (PFMOpenFile), make one of them current and address its segments by type and
// id, or by the data address a check-out gave them. Open stores form a tree: a store opened while
// another is current becomes its child, and with chain search on, a segment the current store
// lacks is looked for in its parent, the parent's parent and so on. The application opens its data
// file first; each document's store opens under it and so sees the application's segments.
//
// Every function clears the last error on entry unless it says otherwise; failures set it. A
// missing segment is no error: look-ups answer null or false and the last error stays 0. A null
// store argument means the current store.
//
// Segment data is a memory block from MemAlloc (raw segments, kind 16), a TObject (kind 32, the
// object's TObject address), a TPFMData (kind 48) or a custom handler (kind 64). A check-out
// raises the segment's lock count and keeps its data in memory; PFMCheckIn lowers it again. At the
// last check-in, priority 0 data leaves memory at once and priorities 1 to 7 stay, purgeable, until
// memory runs short or the memory budget is exceeded. Changed data that leaves memory before it is
// saved goes to the store's swap file and comes back from there.

#include <cstdint>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/Types.h"
#include "foundation/Version.h"
#include "foundation/pfm/PFMFormat.h"
#include "foundation/pfm/PFMKey.h"

class LList;
class PFMFile;
class SList;
class TProgressTracker;

// --- set-up and state

// Chain search on, buffer sizes 8192, the purge callback registered with the memory manager.
ErrCode PFMInit(FourCC app, VersionNumber version);
// Closes every store still open, without saving, and unregisters the purge callback.
void PFMTerm();
// Removes the swap files ("PFM_Swap.NNN") in the temporary folder that no running program holds
// open: those left by a copy that ended without closing its stores. Answers how many it removed.
int PFMRemoveUnheldSwapFiles();
// Removes the temporary files of full saves ("unique$$.NNN") that copies ended in the middle of a
// save left behind: the very files recorded (PFMTemporaryFile.h), while no running program holds
// them open (a save under way holds its own), never a file of that name the program did not make.
// Answers how many it removed.
int PFMRemoveLeftSaveFiles();
// The application version that stores made from now on write as theirs.
void PFMSetAppVersion(VersionNumber version);

// The last error (not cleared by asking).
ErrCode PFMGetError();
void PFMClearError();
void PFMSetError(ErrCode code);

void PFMGetBufferSizes(std::uint32_t& readSize, std::uint32_t& writeSize);
// For stores opened from now on.
void PFMSetBufferSizes(std::uint32_t readSize, std::uint32_t writeSize);
// The most memory parked segments may hold before they are purged; answers the previous limit.
// 0xFFFFFFFF (no limit) until set; the application sets 300000.
std::uint32_t PFMSetMemoryBudget(std::uint32_t limit);
// Answers the previous setting.
bool PFMSetChainSearch(bool on);
// The memory manager's purge callback: frees parked segments of the other stores first, then of the
// current one, until the bytes are freed; answers the bytes freed.
std::uint32_t PFMPurge(std::uint32_t wanted);

// --- stores

// Opens the store file (with the reference's access mode, but never emptying it), or with null
// makes an empty untitled store that lives in memory and its swap file until it is saved. The new
// store becomes a child of the current store and becomes current itself. Null on failure, with the
// last error set: -6 not a store, -1 another format version, -3 or -7 a damaged map, or the file's
// own error.
PFMFile* PFMOpenFile(const FileRef* ref);
// A new untitled store holding copies of every segment of the store file, kept in its swap file
// until saved; -3 when the file is not a store.
PFMFile* PFMNewFileFromTemplate(const FileRef& ref);
// Closes without saving; its children move to its parent. -2 when there is no store. Answers the
// last error.
ErrCode PFMCloseFile(PFMFile* store);

PFMFile* PFMGetCurrentFile();
// Answers the previous current store; the last error is left as it is.
PFMFile* PFMSetCurrentFile(PFMFile* store);
// Make a store current for a while and restore the previous one.
void PFMPushCurrentFile(PFMFile* store);
void PFMPopCurrentFile();

// Makes the store current with the given chain search for the life of the scope.
class PFMFileScope {
public:
    PFMFileScope(PFMFile* store, bool chainSearch);
    ~PFMFileScope();
    PFMFileScope(const PFMFileScope&) = delete;
    PFMFileScope& operator=(const PFMFileScope&) = delete;

private:
    PFMFile* previous_;
    bool previousChainSearch_;
};

PFMFile* PFMGetParentFile(PFMFile* store);
// Moves the store under the new parent: a null store means the current store (the parent is then
// taken as given); with a store given, a null parent means the current store. Answers the old
// parent.
PFMFile* PFMSetParentFile(PFMFile* parent, PFMFile* store);

// The disk file is open, its reference is valid, and the file exists.
bool PFMIsOnDisk(PFMFile* store);
// The store's file (empty for an untitled store).
FileRef PFMGetFileRef(PFMFile* store);
// The header's full-save size and the file's length (0 when not on disk).
ErrCode PFMGetFileSizes(PFMFile* store, std::uint32_t& fullSaveSize, std::uint32_t& length);
// Whether a segment changed since the last save.
bool PFMIsChanged(PFMFile* store);
// The records of the store's file that its map listed under a key an earlier record named (a
// damaged map): only the first record of a key is read, these were left out. Empty once a save has
// written the file anew.
SegmentMap PFMGetLeftOutRecords(PFMFile* store);
// The stored bytes of one of those records when it is a raw block: a new block the caller frees
// (MemFree); null otherwise.
void* PFMReadLeftOutRecord(PFMFile* store, const SegmentMapRecord& record);
// The records of the store's file its map left off, read from past the map's end: every save ends
// the file with its map, and one that ends short of the file had its record count damaged
// (foundation/pfm/PFMMapDamage.h). Empty once a save has written the file anew.
SegmentMap PFMGetUnlistedRecords(PFMFile* store);
// Whether the store's file holds bytes past the end of its map (and of the records read from there)
// that no record could be read from: its map was damaged. False once a save has written the file
// anew.
bool PFMMapEndsShort(PFMFile* store);
// The raw records whose stored length disagreed with the size their map record gives, checked out
// all the same by the one their bytes bear out: each once, in the order they were read, since last
// asked.
std::vector<PFMSegmentKey> PFMTakeRemeasuredRecords(PFMFile* store);
// The raw blocks read where their bytes bore them out though their map records were damaged, in
// their place or size or in their kind (PFMReadAsRawBlock): each once, since last asked.
std::vector<PFMSegmentKey> PFMTakeMislistedRecords(PFMFile* store);
// Notes a record of the store whose reader found its contents damaged, so that the one who opened
// the store can tell what was lost; PFMTakeDamagedRecords answers the records noted since it was
// last asked, each once, in the order they were noted.
void PFMNoteDamagedRecord(PFMFile* store, PFMSegmentKey key);
std::vector<PFMSegmentKey> PFMTakeDamagedRecords(PFMFile* store);
// The same for a record whose damage was mended with every entry kept; noting damage of it later
// takes it out of these.
void PFMNoteMendedRecord(PFMFile* store, PFMSegmentKey key);
std::vector<PFMSegmentKey> PFMTakeMendedRecords(PFMFile* store);
// Whether the record is noted as damaged and not yet taken.
bool PFMIsNotedDamaged(PFMFile* store, PFMSegmentKey key);
bool PFMIsFastSaveAllowed(PFMFile* store);
// Answers the previous setting.
bool PFMSetFastSave(bool allowed, PFMFile* store);
bool PFMGetKeepBackup(PFMFile& store);
bool PFMSetKeepBackup(bool keep, PFMFile& store);

// The open store whose file is that file, else null.
PFMFile* PFMFindOpenFile(const FileRef& ref);
bool PFMIsFileOpen(const FileRef& ref);
bool PFMIsOpenFile(const PFMFile* store);

// Every changed segment goes back to its state in the file: segments added since the last save are
// removed, segments removed since come back. Data checked out keeps its address when its size did
// not change. -2 for a store that has no file.
ErrCode PFMRevertFile(PFMFile* store);

// Saves the current store: in place with null or the store's own file, else to the given file,
// which becomes the store's file (-20 when another open store has that file open). Failures are
// reported to the user through DebugPrintf in their own words; whatever fails, the file on disk is
// the old store or the new one, whole, and the store goes on working. A fast save (when allowed
// and the file had a full save) appends; a full save writes a new file beside the old one and
// renames it into place. Answers the error, also kept as the last error.
ErrCode PFMSaveFile(const FileRef* ref);
// Writes a copy of the current store to the file; the store stays as it is. A file that an open
// store has open is refused (-20).
ErrCode PFMSaveCopy(const FileRef& ref);
void PFMSetProgressTracker(PFMFile* store, TProgressTracker* tracker);

// Whether the file starts with a store's identification.
bool PFMIsPFMFile(const FileRef& ref);
// Whether the file starts with a store's identification that one byte changed, inserted or lost
// damaged: a store file, damaged at its start.
bool PFMIsDamagedPFMFile(const FileRef& ref);
// Whether the store file opens (for reading) and holds the segment, found out without making it an
// open store: no swap file is made and no store becomes current. The last error is left as it is.
bool PFMFileHoldsSegment(const FileRef& ref, FourCC type, std::uint16_t id);

// Adds the distinct segment types of the current store (and with chain search of its ancestors)
// to the list at their sorted places (ascending as signed numbers) unless there already; the list
// stays sorted.
ErrCode PFMGetSegmentTypes(LList& types);
// Adds the ids of one type likewise, ascending as unsigned numbers.
ErrCode PFMGetSegmentIds(FourCC type, SList& ids);

// --- segments (looked for with chain search unless said otherwise)

bool PFMSegmentExists(FourCC type, std::uint16_t id);
// The segment's data, loaded when needed, with its lock count raised; null when missing (last
// error 0) or on failure (last error set).
void* PFMCheckOut(FourCC type, std::uint16_t id);
// Lowers the lock count of the segment that holds the data, in whichever open store it is; a
// pointer that belongs to no segment does nothing.
ErrCode PFMCheckIn(void* data);
// Raw segments: a new block of the new size for the segment holding *data (in the store that holds
// it), the bytes kept up to the smaller size, the segment changed; *data receives the block. Another
// holder of the old block keeps it until it checks it in. On failure *data stays on the old block,
// still checked out: -1 no such segment, -3 not a raw segment, -4 out of memory.
ErrCode PFMResizeSegment(void** data, std::uint32_t size);
// When the segment holding the data changed, takes it back to its state in the file; answers its
// data afterwards (null when it never was in the file and so was removed).
void* PFMRevertSegment(void* data);
// Marks the segment changed or unchanged; marking it changed marks its store changed. A segment
// that never was in the file stays changed.
ErrCode PFMSetChanged(void* data, bool changed);
bool PFMIsSegmentChanged(void* data);

// Adds a segment to the current store: an object (kind 32) with the flag set, else a raw block
// (kind 16). It starts changed and checked out once: the caller holds the data and checks it in.
// An existing segment with the same key is not looked for. -1 for a priority outside 0 to 7, for
// null, or for data that some segment already holds (the store owns a segment's data).
ErrCode PFMAddSegment(FourCC type, std::uint16_t id, void* data, int priority, bool isObject);
// As PFMAddSegment, with the lowest id of the type that the current store does not use.
ErrCode PFMAddSegmentNextId(FourCC type, void* data, int priority, bool isObject, std::uint16_t& id);
// Current store only: removes a segment with the key, then adds.
bool PFMPutSegment(FourCC type, std::uint16_t id, void* data, int priority, bool isObject);
// Current store only. A segment still checked out leaves the store at once; its data stays valid
// for its holders until the last of them checks it in.
bool PFMRemoveSegment(FourCC type, std::uint16_t id);

// 0 when missing.
std::uint32_t PFMGetLockCount(FourCC type, std::uint16_t id);
// The data while in memory, else null; the lock count is not raised.
void* PFMGetSegmentData(FourCC type, std::uint16_t id);
bool PFMGetSegmentKey(const void* data, FourCC& type, std::uint16_t& id);
ErrCode PFMSetSegmentId(void* data, std::uint16_t id);
bool PFMIsSegmentKind(FourCC type, std::uint16_t id, SegmentKind kind);
bool PFMIsRawSegment(FourCC type, std::uint16_t id);
// Whether the segment is a raw block, or is stored as one though its map record gives it another
// kind (the record's kind damaged): such a segment is read as a raw block from then on, and the
// store notes it (PFMTakeMislistedRecords). For readers of raw blocks only.
bool PFMReadAsRawBlock(FourCC type, std::uint16_t id);
// PFMReadAsRawBlock, then PFMCheckOut where it answers true, the segment looked for once: `read`
// takes PFMReadAsRawBlock's answer, and the data is PFMCheckOut's (null where `read` is false).
void* PFMCheckOutRawBlock(FourCC type, std::uint16_t id, bool& read);
bool PFMIsObjectSegment(FourCC type, std::uint16_t id);
// -1 when missing.
int PFMGetSegmentPriority(FourCC type, std::uint16_t id);
// Answers the old priority (-1 when missing).
int PFMSetSegmentPriority(FourCC type, std::uint16_t id, int priority);
bool PFMGetSegmentPreload(FourCC type, std::uint16_t id);
// Answers the old setting.
bool PFMSetSegmentPreload(FourCC type, std::uint16_t id, bool preload);

// A raw segment of one store (no chain search) checked out for the life of the object: Data() is
// null when the segment is missing (last error 0); -3 when it is not a raw segment.
class CheckedOutHdl {
public:
    CheckedOutHdl(FourCC type, std::uint16_t id, PFMFile* store = nullptr);
    ~CheckedOutHdl();
    CheckedOutHdl(const CheckedOutHdl&) = delete;
    CheckedOutHdl& operator=(const CheckedOutHdl&) = delete;

    void* Data() const { return data_; }
    ErrCode Error() const { return error_; }

private:
    void* data_ = nullptr;
    ErrCode error_ = kNoErr;
};
