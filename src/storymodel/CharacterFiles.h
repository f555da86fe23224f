#pragma once
// Character files: one character of a story in a store of its own (file type '.fcf'), to be taken
// into another story as a new character, or onto an existing one ("typecasting", which takes only
// its characteristics and their notes).
//
// The store holds the keyed record 'FCHI' 0 (the character's name, sex, form, texts,
// characteristics, the notes of those characteristics and its picture id) and, for a custom picture,
// the picture as 'CPIX' 1. Failures are told to the user in one alert each.

#include "foundation/FileRef.h"
#include "foundation/Types.h"
#include "storymodel/CharID.h"

class IStoryDocument;

inline constexpr FourCC kCharacterFileType = MakeFourCC('.', 'f', 'c', 'f');

// Asks for the file to export a character to; true when one was chosen.
bool AskCharacterFileName(FileRef& file);
// Asks for a character file to import, or with typecast set to typecast onto a character; true
// when one was chosen.
bool AskCharacterFileToImport(FileRef& file, bool typecast);

// Writes the character into a new character file, replacing the file; true when it was written.
bool ExportCharacterFile(const FileRef& file, CharID id, IStoryDocument& document);
// Takes the character of the file into the story: as a new character when target is kNoCharID,
// else onto that character. Characteristics that another character holds are taken from it only
// when the user agrees; with the general preference "NotesOpt" set, an imported note is appended to
// the story's note instead of replacing it. A file that is not a sound character file changes
// nothing in the story; true when the character was imported.
bool ImportCharacterFile(const FileRef& file, IStoryDocument& document, CharID target);
// Whether the file is a store that opens and holds a character record.
bool IsCharacterFile(const FileRef& file);
