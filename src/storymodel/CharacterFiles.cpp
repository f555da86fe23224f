// Exporting a character to a character file, importing one, and asking for the file.

#include "storymodel/CharacterFiles.h"

#include "foundation/FileError.h"
#include "foundation/String.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/Archetypes.h"
#include "storymodel/CharacterFileFormat.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/NumberList.h"
#include "storymodel/PictureScaling.h"
#include "storymodel/RecordText.h"
#include "storymodel/StoryApplication.h"
#include "storymodel/StoryDocument.h"
#include "storymodel/TextHelpers.h"
#include "storymodel/UserPrompts.h"
#include "storymodel/engine/ElementTable.h"

namespace {

constexpr const char* kNotesOptionKey = "NotesOpt";
// An imported note appended to the story's note keeps at most this many characters.
constexpr std::size_t kMaxAppendedNote = 29999;

void AlertFileError(const char* format, ErrCode error, const FileRef& file) {
    const std::string text = FormatText(format, error, file.GetFullPath().c_str(), FileErrorMessage(error));
    UserPrompts().AlertMessage(text.c_str(), AlertIcon::kStop);
}

// Writes the character's record into the store of a new character file: its name, numbers, texts,
// characteristics with their notes and its picture id.
ErrCode WriteCharacterRecord(PFMFile* store, CharacterManager& characters, CharInfoRec& character) {
    PText record(store, kCharacterFileRecordType, kCharacterFileRecordNumber);
    WriteRecordText(record, CharacterKey::kName, character.Name().c_str());
    WriteRecordNumber(record, CharacterKey::kSex, static_cast<std::int16_t>(character.GetSex()));
    WriteRecordNumber(record, CharacterKey::kForm, static_cast<std::int16_t>(character.GetForm()));
    for (const char* key : kCharacterFileTexts) WriteRecordText(record, key, character.GetText(key).c_str());
    for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
        const std::vector<std::int16_t> elements =
            characters.GetCharacteristics(character.GetID(), dimension);
        if (elements.empty()) continue;
        String list;
        ShortArrayToText(list, elements.data(), static_cast<std::int32_t>(elements.size()));
        WriteRecordText(record, DimensionKey(dimension), list.CStr());
        for (const std::int16_t element : elements) {
            const int n = CharacteristicNoteNumber(element);
            if (characters.HasCharacteristicNote(n))
                WriteRecordText(record, CharacteristicNoteKey(n),
                                characters.GetCharacteristicNote(n).c_str());
        }
    }
    WriteRecordNumber(record, CharacterKey::kPicture, static_cast<std::int16_t>(character.GetPicture()));
    return record.Save();
}

// Stores the character's picture as the file's own picture when its id is one that is kept there.
ErrCode WriteCharacterPicture(CharacterManager& characters, const CharInfoRec& character) {
    if (character.GetPicture() < kFirstPictureKeptInFile) return kNoErr;
    const std::unique_ptr<PictRecord> picture = characters.LoadPicture(character.GetPicture());
    if (!picture) return kNoErr;
    std::optional<PictRecord> kept = StretchPicture(*picture, kCharacterPictureSize, kCharacterPictureSize,
                                                    kCharacterFilePictureID, kCharacterPictureType);
    return kept ? kept->Store() : kNoErr;
}

bool AppendsNotes() {
    std::int16_t option = 0;
    IStoryApplication* application = GetStoryApplication();
    if (PText* preferences = application ? application->GetGeneralRecord() : nullptr)
        preferences->GetEntry(kNotesOptionKey, kPTextShort, &option);
    return option != 0;
}

// The new character of an import, with the file's name, numbers, texts and picture.
CharID CreateImportedCharacter(CharacterManager& characters, const CharacterFileContents& contents) {
    const CharID id =
        characters.CreateCharacter(contents.name.c_str(), contents.sex, contents.form, 0, kNoRole, false);
    CharInfoRec* character = characters.GetCharacter(id);
    if (!character) return kNoCharID;
    for (std::size_t i = 0; i < kCharacterFileTexts.size(); ++i)
        character->SetText(kCharacterFileTexts[i], contents.texts[i].c_str());
    const std::uint16_t picture = contents.picture.value_or(character->GetPicture());
    if (picture < kFirstPictureKeptInFile) {
        character->SetPicture(picture);
    } else if (contents.customPicture) {
        if (const std::optional<std::uint16_t> added = characters.AddCustomPicture(*contents.customPicture))
            character->SetPicture(*added);
    }
    return id;
}

// The story's note with the imported one after it, within the most an appended note keeps: cut
// only between whole characters, never inside an escape. A story's note already that long stays
// as it is. Answers whether anything of the imported note was left out.
bool AppendNote(std::string& note, const std::string& imported) {
    if (imported.empty()) return false;
    if (note.size() >= kMaxAppendedNote) return true;
    const std::string joined = note + imported;
    note = joined.substr(0, WholeEscapesLength(joined, kMaxAppendedNote));
    return note.size() < joined.size();
}

// Tells the writer which characteristics' notes did not take all of the imported note.
void TellOfCutNotes(const std::vector<std::int16_t>& elements) {
    if (elements.empty()) return;
    std::string names;
    for (const std::int16_t element : elements)
        names += std::string(names.empty() ? "" : ", ") + ElementName(element);
    const std::string text = FormatText(
        "The imported notes were appended to the story's notes, but these notes had no room for all of "
        "the imported text, so its end was left out: %s.",
        names.c_str());
    UserPrompts().AlertMessage(text.c_str(), AlertIcon::kExclamation);
}

// Gives the character the file's characteristics that the user lets it take, with their notes;
// answers the characteristics whose appended notes were cut.
std::vector<std::int16_t> ImportCharacteristics(CharacterManager& characters, CharID id,
                                                const CharacterFileContents& contents) {
    BroadcasterBracket bracket(&characters.GetCharacteristicBroadcaster());
    std::int32_t answer = kAskAgain;
    const bool append = AppendsNotes();
    std::vector<std::int16_t> cut;
    for (int dimension = 0; dimension < kDimensionCount; ++dimension) {
        const std::vector<std::int16_t>& wanted =
            contents.characteristics[static_cast<std::size_t>(dimension)];
        if (wanted.empty()) continue;
        std::vector<std::int16_t> accepted;
        characters.ConfirmCharacteristicConflicts(characters.IndexOf(id), dimension, wanted, accepted,
                                                  answer);
        characters.SetCharacteristics(id, dimension, accepted);
        for (const std::int16_t element : accepted) {
            const int n = CharacteristicNoteNumber(element);
            const auto note = contents.notes.find(n);
            if (note == contents.notes.end()) continue;
            if (!append || !characters.HasCharacteristicNote(n)) {
                characters.SetCharacteristicNote(n, note->second.c_str());
            } else {
                std::string joined = characters.GetCharacteristicNote(n);
                if (AppendNote(joined, note->second)) cut.push_back(element);
                characters.SetCharacteristicNote(n, joined.c_str());
            }
        }
    }
    return cut;
}

}  // namespace

bool AskCharacterFileName(FileRef& file) {
    const FileKind kinds[] = {{"Fablecore Character", {kCharacterFileType}}};
    return UserPrompts().AskSaveFile(kinds, kCharacterFileType, "Select Name for Character File",
                                     "Please select a different file to save the character to.",
                                     file) == kFileChosen;
}

bool AskCharacterFileToImport(FileRef& file, bool typecast) {
    const FileKind kinds[] = {{"Windows Fablecore Character", {kCharacterFileType}},
                              {"All Files (including Mac)", {kAnyFileType}}};
    const char* title = typecast ? "Typecast Fablecore Character" : "Import Fablecore Character";
    return UserPrompts().ChooseOpenFile(kinds, title, file) == kFileChosen;
}

bool ExportCharacterFile(const FileRef& file, CharID id, IStoryDocument& document) {
    CharacterManager* characters = document.GetCharacterManager();
    CharInfoRec* character = characters ? characters->GetCharacter(id) : nullptr;
    if (!character) return false;
    FileRef target(file);
    target.SetPermission(kAccessCreate);
    // The new store stands on its own, so that nothing is looked for in the story's stores; it is
    // the current store until it is closed.
    PFMFileScope scope(nullptr, false);
    PFMFile* store = PFMOpenFile(nullptr);
    if (!store) {
        AlertFileError("ERROR: %d creating character file\n\"%s\"\n%s", PFMGetError(), target);
        return false;
    }
    ErrCode error = WriteCharacterRecord(store, *characters, *character);
    if (error == kNoErr) error = WriteCharacterPicture(*characters, *character);
    if (error == kNoErr) {
        const BusyCursor busy;
        error = PFMSaveFile(&target);
    }
    PFMCloseFile(store);
    if (error != kNoErr) AlertFileError("ERROR: %d saving character file\n\"%s\"\n%s", error, target);
    return error == kNoErr;
}

bool ImportCharacterFile(const FileRef& file, IStoryDocument& document, CharID target) {
    CharacterManager* characters = document.GetCharacterManager();
    if (!characters || (target != kNoCharID && !characters->HasCharacter(target))) return false;
    CharacterFileContents contents;
    ErrCode error = kNoErr;
    switch (ReadCharacterFile(file, contents, error)) {
        case CharacterFileStatus::kInvalid: {
            const std::string text = FormatText("File \"%s\"\n is not a valid Fablecore Character file.",
                                                file.GetFullPath().c_str());
            UserPrompts().AlertMessage(text.c_str(), AlertIcon::kStop);
            return false;
        }
        case CharacterFileStatus::kOpenFailed:
            AlertFileError("ERROR: %d opening Fablecore Character file\n\"%s\"\n%s", error, file);
            return false;
        case CharacterFileStatus::kRead: break;
    }
    if (target == kNoCharID) target = CreateImportedCharacter(*characters, contents);
    if (target == kNoCharID) return false;
    TellOfCutNotes(ImportCharacteristics(*characters, target, contents));
    return true;
}

// Every file the program is asked to open is asked this first, so the file is not made an open
// store (with a swap file of its own) only to be closed again.
// Opening the file as a store checks its store mark first, so the mark is not read on its own, and
// a file that does not exist does not open.
bool IsCharacterFile(const FileRef& file) {
    if (!file.IsValid()) return false;
    return PFMFileHoldsSegment(file, kCharacterFileRecordType, kCharacterFileRecordNumber);
}
