#pragma once
// The story application: the framework's application object with the program's name, version and
// signature, its data files (the application data file "Fablecor.qrv", and in the "Commands" folder
// the character pictures "charpix.qrv" and the engine data "engine.qrv", both required, the
// optional context file "context.qrv" and the story examples "storyexm.qrv", opened when first
// asked for), its preferences, its cursors and its clipboard for pictures. It asks for story files
// to open, asks the writer once which pronouns examples use, and is the broadcaster through which
// story documents announce that they opened or close.
//
// The one application object of the program is a FablCmds (app/FablCmds.h), which adds the menu
// bar, the commands and the splash screen.

#include <cstdint>
#include <memory>
#include <string>

#include "app/UnkeptTextNote.h"
#include "foundation/FileRef.h"
#include "framework/TAppl.h"
#include "framework/graphics/ShortRect.h"
#include "storymodel/Broadcaster.h"

class PFMFile;
class PreferencesManager;
class PrintRecord;
class PText;
class QRVClipBoard;
class StoryModelServices;

class Fablecore : public TAppl, public Broadcaster {
public:
    // The product's name.
    static constexpr const char* kProductName = "Fablecore";
    // The data files' names, and the folder beside the program that holds them.
    static constexpr const char* kDataFileName = "Fablecor.qrv";
    static constexpr const char* kHelpFileName = "Fablecore.hlp";
    static constexpr const char* kDataFolderName = "Commands";
    static constexpr const char* kPictureFileName = "charpix.qrv";
    static constexpr const char* kExamplesFileName = "storyexm.qrv";
    static constexpr const char* kEngineFileName = "engine.qrv";
    static constexpr const char* kContextFileName = "context.qrv";
    // The pronoun question asked before the query system is first used.
    static constexpr const char* kPronounQuestion =
        "Fablecore lets you select the gender of pronouns used in textual examples.\r\n\r\nChoose your "
        "starting preference.  You can change your choice at any time in the Preferences Window.";

    explicit Fablecore(AppEnvironment* environment);
    // The shut-down: the data files close and the preferences are written (the documents closed
    // before, when the frame closed).
    ~Fablecore() override;

    // "Fablecore" and the program's version: "Fablecore 1.0.0". It captions the frame and the
    // program's message boxes.
    std::string GetAppName() const override;
    FourCC GetSignature() const override { return FourCCOf("Fabl"); }
    // The version text read from the application data file, parsed.
    VersionNumber GetVersion() const override { return ParseVersion(versionText_); }
    // Story files ('.fsf').
    const FourCC* GetOpenFileTypes() const override;
    // One story at a time unless the preferences allow several ("MultiStories").
    bool IsSingleDocument() const override;
    std::int32_t GetMaxDocuments() const override { return 4; }
    // The start-up: the framework's, then the preferences, cursors, splash screen and data files;
    // 0, or the failure (after its message) that ends the program.
    ErrCode Init() override;
    ErrCode GetDataFileName(char* buffer, std::size_t size) override;
    // The "Commands" folder beside the program; without it, a fatal message naming it.
    ErrCode GetDataFolder(VolumePart& volume, DirectoryPart& directory) override;
    // "Fablecor.qrv" in the "Commands" folder, else beside the program.
    ErrCode GetDataFileRef(FileRef& file) override;
    // The chooser "Open Fablecore Story File" over story files and every file; 0 when one was chosen.
    ErrCode AskOpenFile(FileRef& file) override;

    // --- the story application's own operations, made by FablCmds

    // Close the report, story points and brainstorming windows of the front story (and with the
    // second, its plot progression window too; with the third, its query and plot progression
    // windows), through the first command queue.
    virtual void CloseStoryViews() = 0;
    virtual void CloseStoryViewsAndPlot() = 0;
    // Told the start-up's status once the splash screen shows.
    virtual void OnSplashShown(ErrCode status) = 0;
    virtual void CloseQueryAndPlot() = 0;
    virtual void ShowSplashScreen() = 0;
    // Where a story window opens by default.
    virtual ShortRect GetDefaultWindowRect() const { return ShortRect::MakeLTRB(20, 20, 512, 341); }

    // --- data files

    // Shows that a data file the program cannot run without is missing or damaged.
    void ReportMissingDataFile(const char* name);
    // Opens "context.qrv" of the data folder when it is a store (nothing is said when it is not);
    // answers the file or null.
    PFMFile* OpenContextFile();
    void CloseContextFile();
    // The story examples file, opened when first asked for; one that is no store is deleted (the
    // rebuild makes it again). Null when there is none.
    PFMFile* OpenStoryExamplesFile();
    PFMFile* GetExamplesFile() const { return examplesFile_; }
    void SetExamplesFile(PFMFile* file) { examplesFile_ = file; }
    // A file of the data folder, named without regard to case.
    FileRef GetDataFolderFile(const char* name, FileAccess access) const;

    // Asks which pronouns textual examples use, unless the preferences know already; 1.
    std::int16_t AskPronounGender();

    // Takes the window layer's message that typed or pasted characters could not be kept, and the
    // timer of the note that tells the writer once (app/UnkeptTextNote.h).
    bool PreviewFrameMessage(win::HWND window, win::UINT message, win::WPARAM wParam, win::LPARAM lParam,
                             win::LRESULT& result) override;

    PreferencesManager* GetPreferencesManager() const { return preferences_.get(); }
    // The clipboard for pictures (bitmaps); null until the start-up made it.
    QRVClipBoard* GetPictureClipboard() const { return pictureClipboard_.get(); }
    PFMFile* GetPictureFile() const { return pictureFile_; }
    PFMFile* GetContextFile() const { return contextFile_; }
    PFMFile* GetEngineFile() const { return engineFile_; }
    const VolumePart& GetProgramVolume() const { return programVolume_; }
    const DirectoryPart& GetProgramDirectory() const { return programDirectory_; }
    const DirectoryPart& GetDataDirectory() const { return dataDirectory_; }
    // Keyed record 'PPNN' 1 of the data file, open for the macro expander; null when there is none.
    PText* GetPronounRecord() const { return pronouns_.get(); }
    const std::string& GetVersionText() const { return versionText_; }
    std::int16_t GetMajorVersion() const { return majorVersion_; }
    std::int16_t GetMinorVersion() const { return minorVersion_; }
    std::int16_t GetMaintenanceVersion() const { return maintenanceVersion_; }
    std::int16_t GetFileFormat() const { return fileFormat_; }
    // The place of the Storyforming menu in the application's menu list.
    std::int32_t GetStoryformingMenuIndex() const { return storyformingMenuIndex_; }

protected:
    void SetStoryformingMenuIndex(std::int32_t index) { storyformingMenuIndex_ = index; }

private:
    void ReadVersionKeys();
    // A store of the data folder: null when the file is missing or is no store (deleted first when
    // asked).
    PFMFile* OpenDataFolderStore(const char* name, bool deleteWhenNoStore) const;
    ErrCode OpenPictureFile();
    ErrCode OpenEngineFile();
    // The Storyforming menu's last item, "Generate Story Engine...", is for building engine data;
    // with the engine data open it goes.
    void RemoveEngineGeneration();

    std::unique_ptr<PreferencesManager> preferences_;
    VolumePart programVolume_;
    DirectoryPart programDirectory_;
    DirectoryPart dataDirectory_;
    std::unique_ptr<QRVClipBoard> pictureClipboard_;
    PFMFile* pictureFile_ = nullptr;
    PFMFile* contextFile_ = nullptr;
    PFMFile* engineFile_ = nullptr;
    PFMFile* examplesFile_ = nullptr;
    std::unique_ptr<PText> pronouns_;
    std::int32_t storyformingMenuIndex_ = -1;
    // The print settings every print job and preview of the program shares.
    std::unique_ptr<PrintRecord> printRecord_;
    std::unique_ptr<StoryModelServices> services_;
    std::int16_t majorVersion_ = 0;
    std::int16_t minorVersion_ = 0;
    std::int16_t maintenanceVersion_ = 0;
    std::int16_t fileFormat_ = 0;
    std::string versionText_ = "0.0";
    UnkeptTextNote unkeptTextNote_;
};

// The application factory of the program's main routine: a FablCmds.
TAppl* CreateFablecore(AppEnvironment* environment);
