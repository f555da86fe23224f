#pragma once
// The story document: one story file open, with the keyed records of its story (the main
// information record 'SDI4', the storyform responses 'RESP', storytelling 'STEL' and storyform locks
// 'LOCK'), the story's managers (characters, scenes, storyform), its question status and its
// front-end window. Every story window reaches the story through the document and registers itself
// in the document's slot of its kind while it lives.
//
// Opening checks the file (older generations are converted, newer ones refused), shows the front
// end, loads the records and managers, repairs what earlier versions got wrong, recounts the
// storyforms and announces the document through the application's broadcaster (FKDocEvent 1000);
// closing announces it again (1001) before the managers go. Saving writes the managers into the
// records and the records into the story file before the store is written.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/FileError.h"
#include "foundation/Types.h"
#include "foundation/pfm/PFMKey.h"
#include "framework/TDoc.h"
#include "framework/graphics/ShortRect.h"
#include "query/data/QuestionStatus.h"
#include "storymodel/StoryDocument.h"

class CastListView;
class CharacterManager;
class Fablecore;
class FEWindow;
class PText;
class SceneManager;
class StoryFormManager;
class TWindow;

// The story file type.
inline constexpr FourCC kStoryFileType = FourCCOf(".fsf");

// What converting an old story file's texts ends with when the writer stops it: Later (the rest
// stays as it is) and Cancel (the story does not open).
inline constexpr ErrCode kConversionLater = -3;
inline constexpr ErrCode kConversionCancelled = -5;

// Main information record types, newest first; the first three are readable.
inline constexpr FourCC kMainRecordType = FourCCOf("SDI4");
inline constexpr FourCC kOldMainRecordType = FourCCOf("SDI3");
inline constexpr FourCC kOldestMainRecordType = FourCCOf("SDOC");

// The class ids of the three character windows that show a cast list: the character list, Build
// Characters and casting windows.
inline constexpr ClassId kCLWindowClassId = 153;
inline constexpr ClassId kBCWindowClassId = 154;
inline constexpr ClassId kCastingWindowClassId = 165;

class FKDoc : public TDoc, public IStoryDocument {
    TOBJECT_CLASS(FKDoc, TDoc, 143)

public:
    // The synopsis keys of the main record, with the query topics they answer.
    static constexpr std::size_t kSynopsisCount = 10;
    static const char* const kSynopsisKeys[kSynopsisCount];
    static const std::int16_t kSynopsisTopics[kSynopsisCount];

    explicit FKDoc(Fablecore* application);
    ~FKDoc() override;

    // --- TDoc

    // Reads the file (null: a new story), shows the front end, loads the story and announces it.
    ErrCode Open(const FileRef* file) override;
    // The file name, then " for " and the story's title when it has one.
    void GetTitle(char* buffer, std::size_t size) const override;
    FourCC GetFileType() const override { return kStoryFileType; }
    void BringToFront() override;
    void SetDirty() override { TDoc::SetDirty(); }
    void SetClean() override { TDoc::SetClean(); }
    // Closing the front end closes the story's other windows first.
    bool CanCloseWindow(TWindow* window, bool force) override;
    void DeleteWindow(TWindow* window) override;
    // A store file; otherwise the message of ReportUnopenedFile.
    bool CanOpenFile(const FileRef& file) override;
    // The story file type check.
    bool ReadFrom(const FileRef& file, PFMFile* store) override;
    void BeforeCloseFile() override;
    // The windows store their edits, then the managers and the question status are written into
    // the story file's records; 0, or the first error (which stops the save).
    ErrCode CommitWindows() override;
    // The story as the file holds it: the managers are made again from the reverted store.
    ErrCode Revert() override;
    // Where a story window opens when it has no placement of its own.
    virtual void GetDefaultWindowRect(ShortRect& rect) const;

    // --- IStoryDocument

    PFMFile* GetStoryFile() override { return store_; }
    PText& GetInfoRecord() override { return *info_; }
    PText& GetStorytellingRecord() override { return *storytelling_; }
    // Tells the windows showing the storytelling texts that one of them changed (FKDocEvent 1002).
    void StorytellingChanged();
    CharacterManager* GetCharacterManager() override { return characters_.get(); }
    std::int16_t GetStoryPointValue(int index) override;
    std::int16_t GetSettledStoryPointValue(int index) override;

    // --- the story

    // The caption: the name, then " for " (when the name is not empty) and the title.
    void GetTitle(const char* name, char* buffer, std::size_t size) const;
    bool HasRecords() const { return info_ != nullptr; }
    PText* GetResponseRecord() const { return responses_.get(); }
    PText* GetLockRecord() const { return locks_.get(); }
    SceneManager* GetSceneManager() const override { return scenes_.get(); }
    StoryFormManager* GetStoryFormManager() const { return storyForm_.get(); }
    QuestionStatus& GetQuestionStatus() { return questionStatus_; }
    FEWindow* GetFrontEndWindow() const { return frontEnd_; }
    Fablecore* GetFablecore() const;
    // The general preferences record of the application.
    PText* GetPreferencesRecord() const;
    // The cast list view of the front window when that is a character window, else null.
    CastListView* GetFrontCastList() const;

    // The number of storyforms still possible (32768 all, 1 complete).
    std::uint16_t GetStoryformCount() const;
    void SetStoryformCount(std::uint16_t count);
    bool IsStoryformComplete() const;
    void RebuildThroughlines();
    // Empties the story's storytelling: the texts, the synopses, the characters' storytelling texts
    // and the scenes, and marks their questions open again.
    void ClearStorytelling();

    // The story's tool windows and the cast list views of its character windows, one of each kind
    // at most: each stores itself when it is made and null when it goes.
    TWindow* GetFQSWindow() const { return tools_[0]; }
    void SetFQSWindow(TWindow* window) { tools_[0] = window; }
    TWindow* GetCLWindow() const { return tools_[1]; }
    void SetCLWindow(TWindow* window) { tools_[1] = window; }
    TWindow* GetRepWindow() const { return tools_[2]; }
    void SetRepWindow(TWindow* window) { tools_[2] = window; }
    TWindow* GetSPWindow() const { return tools_[3]; }
    void SetSPWindow(TWindow* window) { tools_[3] = window; }
    TWindow* GetBCWindow() const { return tools_[4]; }
    void SetBCWindow(TWindow* window) { tools_[4] = window; }
    TWindow* GetCastingWindow() const { return tools_[5]; }
    void SetCastingWindow(TWindow* window) { tools_[5] = window; }
    TWindow* GetExploreWindow() const { return tools_[6]; }
    void SetExploreWindow(TWindow* window) { tools_[6] = window; }
    TWindow* GetBrainsWindow() const { return tools_[7]; }
    void SetBrainsWindow(TWindow* window) { tools_[7] = window; }
    TWindow* GetCommentWindow() const { return tools_[8]; }
    void SetCommentWindow(TWindow* window) { tools_[8] = window; }
    TWindow* GetPlotViewWindow() const { return tools_[9]; }
    void SetPlotViewWindow(TWindow* window) { tools_[9] = window; }
    TWindow* GetPrefsWindow() const { return tools_[10]; }
    void SetPrefsWindow(TWindow* window) { tools_[10] = window; }
    CastListView* GetCharListCastView() const { return views_[0]; }
    void SetCharListCastView(CastListView* view) { views_[0] = view; }
    CastListView* GetBuildCastView() const { return views_[1]; }
    void SetBuildCastView(CastListView* view) { views_[1] = view; }
    CastListView* GetCastingCastView() const { return views_[2]; }
    void SetCastingCastView(CastListView* view) { views_[2] = view; }

    // Closes every window of the story but the front end, the last opened first; true when all
    // closed. Unless forced, a window that will not be closed now (AllowClose) stops it.
    bool CloseOtherWindows(bool force);

    // --- the story file's generations

    // 1 (true) for a story file this version reads; otherwise false after a message.
    bool CheckFileType(const FileRef& file, PFMFile* store);
    static void ReportUnreadableFile(const FileRef& file);
    // Tells why a file did not open, by what reading it answered: another program or copy holds it;
    // it is no story store (-1, -6); its store is damaged (cut short, its map or data changed); or
    // the system's own error.
    static void ReportUnopenedFile(const FileRef& file, ErrCode error = kUnsupportedFormatErr);
    // Brings every text of an oldest-generation file into the form the program keeps texts in:
    // 0 when done, -3 when the writer chose Later, -5 when the writer cancelled.
    ErrCode ConvertOldTexts();

private:
    // Loads the story from the open store: records, managers, repairs, storyform count, question
    // status. 0, -5 (conversion cancelled, nothing said) or the error (which is reported).
    ErrCode InitStoryData();
    ErrCode LoadStoryData(bool& repaired);
    // Makes 'SDI4' out of an older main record; -5 when the writer cancelled the conversion.
    ErrCode MoveMainRecord();
    // Opens the main record, 'RESP', 'STEL' and 'LOCK'; those of which nothing read go into `lost`.
    ErrCode OpenRecords(std::vector<PFMSegmentKey>& lost);
    void MakeManagers();
    // Two Main or impact characters from an earlier version's fault; true when repaired.
    bool RepairMainAndImpact();
    // Recounts the storyforms, giving up conflicting Act Order choices when none is left; true when
    // some were given up.
    bool CheckStoryform();
    // Takes the question status of the oldest files into the current one; false when the file
    // holds one that cannot be read, which goes from the file.
    bool ImportOldQuestionStatus();
    // Says in one message which parts of the story could not be read from its file, which the open
    // left out (`lost`), and which it read whole all the same (`found`: found under a damaged name,
    // or, where `mended`, some mended); true when there were any, which the next save writes anew.
    bool TellWhatWasLost(const std::vector<std::string>& lost, const std::vector<std::string>& found,
                         bool mended);
    // Deletes the managers and records without saving them.
    void ReleaseStoryData();
    void Broadcast(std::uint32_t code);

    FEWindow* frontEnd_ = nullptr;
    TWindow* tools_[11] = {};
    CastListView* views_[3] = {};
    std::unique_ptr<PText> responses_;
    std::unique_ptr<PText> info_;
    std::unique_ptr<PText> storytelling_;
    std::unique_ptr<PText> locks_;
    std::unique_ptr<CharacterManager> characters_;
    std::unique_ptr<SceneManager> scenes_;
    std::unique_ptr<StoryFormManager> storyForm_;
    QuestionStatus questionStatus_;
};
