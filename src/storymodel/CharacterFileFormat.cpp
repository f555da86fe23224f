#include "storymodel/CharacterFileFormat.h"

#include <algorithm>

#include "foundation/TypedList.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/Archetypes.h"
#include "storymodel/NumberList.h"
#include "storymodel/RecordText.h"

namespace {

constexpr const char* kMissingName = "Missing";
constexpr std::int16_t kFirstCharacteristic = 85;

// The dimension's list of the record, without what a file from elsewhere might hold besides
// characteristics of that dimension: other numbers, elements of other dimensions, repeats.
std::vector<std::int16_t> ReadCharacteristics(PText& record, int dimension) {
    SList stored;
    TextToShortList(RecordText(record, DimensionKey(dimension)).c_str(), stored);
    std::vector<std::int16_t> elements;
    for (std::int32_t i = 0; i < stored.Count(); ++i) {
        const std::int16_t element = stored.GetAt(i);
        if (DimensionOfCharacteristic(element - kFirstCharacteristic) != dimension) continue;
        if (std::find(elements.begin(), elements.end(), element) == elements.end())
            elements.push_back(element);
    }
    return elements;
}

std::optional<std::uint16_t> ReadNumber(PText& record, const char* key) {
    std::int16_t value = 0;
    if (record.GetEntry(key, kPTextShort, &value) < 0) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

}  // namespace

OpenedStoreFile::OpenedStoreFile(const FileRef& file) : scope_(nullptr, false) {
    FileRef readOnly(file);
    readOnly.SetPermission(kAccessRead);
    store_ = PFMOpenFile(&readOnly);
    if (!store_) error_ = PFMGetError() < 0 ? PFMGetError() : kFileErr;
}

OpenedStoreFile::~OpenedStoreFile() {
    if (store_) PFMCloseFile(store_);
}

CharacterFileStatus ReadCharacterFile(const FileRef& file, CharacterFileContents& contents, ErrCode& error) {
    if (!file.IsValid() || !PFMIsPFMFile(file)) return CharacterFileStatus::kInvalid;
    const OpenedStoreFile opened(file);
    if (!opened.Store()) {
        error = opened.Error();
        return CharacterFileStatus::kOpenFailed;
    }
    if (!PFMSegmentExists(kCharacterFileRecordType, kCharacterFileRecordNumber))
        return CharacterFileStatus::kInvalid;
    ErrCode opening = kNoErr;
    PText record(opened.Store(), kCharacterFileRecordType, kCharacterFileRecordNumber, &opening);
    if (opening != kNoErr) return CharacterFileStatus::kInvalid;

    contents.name = RecordText(record, CharacterKey::kName);
    if (contents.name.empty()) contents.name = kMissingName;
    contents.sex = ReadNumber(record, CharacterKey::kSex).value_or(0);
    contents.form = ReadNumber(record, CharacterKey::kForm) == kPluralForm ? kPluralForm : kSingularForm;
    for (std::size_t i = 0; i < kCharacterFileTexts.size(); ++i)
        contents.texts[i] = RecordText(record, kCharacterFileTexts[i]);
    for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
        contents.characteristics[static_cast<std::size_t>(dimension)] =
            ReadCharacteristics(record, dimension);
        for (const std::int16_t element : contents.characteristics[static_cast<std::size_t>(dimension)]) {
            const int n = CharacteristicNoteNumber(element);
            std::string note = RecordText(record, CharacteristicNoteKey(n));
            if (!note.empty()) contents.notes[n] = std::move(note);
        }
    }
    contents.picture = ReadNumber(record, CharacterKey::kPicture);
    if (contents.picture >= kFirstPictureKeptInFile &&
        PFMSegmentExists(kCharacterPictureType, kCharacterFilePictureID)) {
        PictRecord picture(kCharacterFilePictureID, kCharacterPictureType);
        if (picture.Load() != kNoErr) return CharacterFileStatus::kInvalid;
        contents.customPicture = std::move(picture);
    }
    return CharacterFileStatus::kRead;
}
