#pragma once
// What a character file holds and how it is read: the record and picture of the file, and the
// character they describe, read whole before anything of it reaches a story.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/Types.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PictRecord.h"
#include "storymodel/CharInfoRec.h"
#include "storymodel/CharacterManager.h"

inline constexpr FourCC kCharacterFileRecordType = FourCCOf("FCHI");
inline constexpr std::uint16_t kCharacterFileRecordNumber = 0;
inline constexpr std::uint16_t kCharacterFilePictureID = 1;
// A picture id from this one up is kept in the file as the picture itself.
inline constexpr std::uint16_t kFirstPictureKeptInFile = 32767;

// The texts a character file carries, in the order they are written.
inline constexpr std::array<const char*, 10> kCharacterFileTexts = {
    CharacterKey::kRole,       CharacterKey::kDescription, CharacterKey::kRoleX,     CharacterKey::kFunction,
    CharacterKey::kActivities, CharacterKey::kBackground,  CharacterKey::kInterests, CharacterKey::kSkills,
    CharacterKey::kBeliefs,    CharacterKey::kPhysical,
};

// A store file opened read-only under no other store for the life of the object; the store that
// was current before is current again afterwards.
class OpenedStoreFile {
public:
    explicit OpenedStoreFile(const FileRef& file);
    ~OpenedStoreFile();
    OpenedStoreFile(const OpenedStoreFile&) = delete;
    OpenedStoreFile& operator=(const OpenedStoreFile&) = delete;

    // Null when the file did not open.
    PFMFile* Store() const { return store_; }
    ErrCode Error() const { return error_; }

private:
    PFMFileScope scope_;
    PFMFile* store_ = nullptr;
    ErrCode error_ = kNoErr;
};

struct CharacterFileContents {
    std::string name;
    std::uint16_t sex = 0;
    std::uint16_t form = kSingularForm;
    std::array<std::string, kCharacterFileTexts.size()> texts;
    // Each dimension's elements: characteristics of that dimension only, each once.
    std::array<std::vector<std::int16_t>, kDimensionCount> characteristics;
    // The non-empty notes of the characteristics above, by note number.
    std::map<int, std::string> notes;
    std::optional<std::uint16_t> picture;
    // 'CPIX' 1, when the picture id is one kept in the file and the file holds it.
    std::optional<PictRecord> customPicture;
};

enum class CharacterFileStatus {
    kRead,
    kInvalid,     // no store, no character record, or a damaged record or picture
    kOpenFailed,  // a store that does not open
};

// Reads the character of a file; on kOpenFailed, error receives the store's error.
CharacterFileStatus ReadCharacterFile(const FileRef& file, CharacterFileContents& contents, ErrCode& error);
