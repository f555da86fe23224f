#pragma once
// The system's Open and Save choosers in the program's own terms: files as FileRefs, file kinds as
// four-character types (each the extension with its dot) or a CustomFileList of rows. Each chooser
// runs in a modal phase and is centred on the screen when it opens.
//
// The choosers answer kFileChooserChosen when a file was chosen and kFileChooserCancelled when the
// user cancelled (or the chooser could not run).
//
// Saving runs a loop (AskSaveFile) that refuses a file another store of the program has open or
// that is read-only, telling the user why and the reason given, and asks before replacing an
// existing file.

#include "foundation/FileRef.h"
#include "foundation/Types.h"

class CustomFileList;
class PFMFile;

inline constexpr ErrCode kFileChooserChosen = 0;
inline constexpr ErrCode kFileChooserCancelled = 1;

// The Open chooser over the kinds of the list (when given) or of the zero-ended codes (null: every
// file), with the read-only box when allowed. The file chosen is to be opened read and write unless
// the box was ticked or the file is read-only.
ErrCode ChooseOpenFile(const FourCC* codes, FileRef& file, bool readOnlyAllowed, const CustomFileList* list,
                       const char* title);

// The Save chooser, opened on the file's name (and folder, when it has one). A name typed without
// an extension gets the default type's (else the first type's of the list, else of the codes); with
// a default type, a name with another extension is refused while the chooser stays open. The file
// chosen is to be created.
ErrCode ChooseSaveFile(const FourCC* codes, const FourCC* defaultType, FileRef& file,
                       const CustomFileList* list, const char* title);
// The Save chooser over the codes, with an empty name and the first code's extension added to names
// typed without one; no extension check.
ErrCode ChooseSaveFileSimple(const FourCC* codes, FileRef& file, const char* title);

// Runs ChooseSaveFile until it is cancelled or CheckReplaceFile accepts the file chosen.
ErrCode AskSaveFile(const CustomFileList* list, const FourCC* defaultType, const char* title,
                    const char* reason, FileRef& file);
// The same for a document whose own open store is ownStore: its own file may be chosen again.
ErrCode AskSaveFileFor(const CustomFileList* list, const FourCC* defaultType, const char* title,
                       const char* reason, FileRef& file, PFMFile* ownStore);

// True when the file may be written: it does not exist, or it is not open in another store of the
// program, not read-only, and the user agrees to replace it.
bool CheckReplaceFile(const FileRef& file, PFMFile* ownStore, const char* reason);
