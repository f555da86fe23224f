#pragma once
// The questions, alerts and file choosers of the story model. The model shows no window itself: the
// application installs the prompts of its window framework at start-up, and tests install
// recording ones. Until something is installed, alerts go to the debug channel, every question is
// answered No and every chooser is cancelled.

#include <cstdint>
#include <span>
#include <vector>

#include "foundation/FileRef.h"
#include "foundation/Types.h"

// The answers of questions.
inline constexpr int kAnswerYes = 0;
inline constexpr int kAnswerCancel = 1;
inline constexpr int kAnswerNo = 2;
inline constexpr int kAnswerYesAll = 4;
// An answer holder before its first answer: the question is shown.
inline constexpr std::int32_t kAskAgain = -1;

// The answers of file choosers.
inline constexpr int kFileChosen = 0;
inline constexpr int kFileCancelled = 1;

// The type of every file, for a chooser's "all files" row.
inline constexpr FourCC kAnyFileType = MakeFourCC('.', '*', 0, 0);

enum class AlertIcon { kStop = 0, kInformation = 1, kExclamation = 2 };

// One row of a file chooser's list of file kinds: its label and the file types it shows, each the
// extension with its dot ('.fcf').
struct FileKind {
    const char* label;
    std::vector<FourCC> types;
};

class IUserPrompts {
public:
    virtual ~IUserPrompts() = default;

    // An alert with one OK button; 0 when it was dismissed with OK.
    virtual int AlertMessage(const char* text, AlertIcon icon) = 0;
    // A question answered Yes (0) or No (2), or Cancel (1) unless noCancel is set. The default
    // selector makes the second (1) or third (2) button the default.
    virtual int AskYesNoCancel(const char* text, int defaultSelector, bool noCancel) = 0;
    // A question of a series, with the buttons Yes, Yes All, No and No All. When the answer holder
    // holds an answer it is returned without asking; otherwise the answer is returned: 0 Yes,
    // 2 No, 4 Yes All (which leaves 0 in the holder) or 2 for No All (which leaves 2 there).
    virtual int AskYesYesAllNoNoAll(std::int32_t& answer, const char* text, int defaultItem) = 0;
    // The system's warning sound.
    virtual void Beep() = 0;
    // The busy cursor is shown from the first BeginBusy to the matching EndBusy.
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;

    // The open-file dialog listing the kinds, under the title. kFileChosen when a file was chosen:
    // the reference names it, to be opened read and write unless the file is read-only;
    // kFileCancelled otherwise.
    virtual int ChooseOpenFile(std::span<const FileKind> kinds, const char* title, FileRef& file) = 0;
    // The save-file dialog, shown again until a file that may be written is chosen or the dialog is
    // cancelled. A name must end in the default type's extension; a file that the program has open,
    // or that is read-only, is refused with a message ending in the reason; an existing file is
    // replaced only when the user agrees. kFileChosen when a file was chosen: the reference names
    // it, to be created; kFileCancelled otherwise.
    virtual int AskSaveFile(std::span<const FileKind> kinds, FourCC defaultType, const char* title,
                            const char* reason, FileRef& file) = 0;
};

// Installs the prompts (null: none) and answers the previous ones.
IUserPrompts* SetUserPrompts(IUserPrompts* prompts);
// The installed prompts, or the fallback described above.
IUserPrompts& UserPrompts();

// Shows the busy cursor for the life of the scope.
class BusyCursor {
public:
    BusyCursor() { UserPrompts().BeginBusy(); }
    ~BusyCursor() { UserPrompts().EndBusy(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
