#pragma once
// The story application: the framework's application object with the program's name and
// signature, its data files (the application data file "Fablecor.qrv" and the engine data
// "engine.qrv" in the "Commands" folder), its preferences, its cursors and its menu bar. It makes
// the story documents, asks for story files to open, takes character files into the front story,
// and is the broadcaster through which story documents announce that they opened or close.

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/FileRef.h"
#include "framework/TAppl.h"
#include "storymodel/Broadcaster.h"

class PFMFile;
class PreferencesManager;
class PrintRecord;
class PText;
class StoryModelServices;

class Fablecore : public TAppl, public Broadcaster {
public:
    explicit Fablecore(AppEnvironment* environment);
    ~Fablecore() override;

    std::string GetAppName() const override { return "Fablecore"; }
    // The product name followed by the program's version: "Fablecore 1.0.0".
    void GetFrameTitle(char* buffer, std::size_t size) override;
    FourCC GetSignature() const override { return FourCCOf("Fabl"); }
    VersionNumber GetVersion() const override { return ParseVersion(versionText_); }
    // Story files ('.fsf').
    const FourCC* GetOpenFileTypes() const override;
    // One story at a time unless the preferences allow several ("MultiStories").
    bool IsSingleDocument() const override;
    std::int32_t GetMaxDocuments() const override { return 4; }
    // Queues the New command on the second queue: a new story once the program runs.
    ErrCode NewAtStartup(std::int16_t flag) override;
    ErrCode Init() override;
    void BuildMenus() override;
    ErrCode GetDataFileName(char* buffer, std::size_t size) override;
    // The "Commands" folder beside the program.
    ErrCode GetDataFolder(VolumePart& volume, DirectoryPart& directory) override;
    // "Fablecor.qrv" in the "Commands" folder, else beside the program.
    ErrCode GetDataFileRef(FileRef& file) override;
    // A story document.
    TDoc* CreateDocument() override;
    // The chooser "Open Fablecore Story File" over story files and every file; 0 when one was chosen.
    ErrCode AskOpenFile(FileRef& file) override;
    // A character file goes into the front story (a new one when none is open); true when the file
    // was one.
    bool ImportFile(const FileRef& file) override;

    // Closes the story windows and the plot window of the front story before a change that they
    // cannot follow; the command class that opens those windows closes them.
    virtual void CloseStoryViewsAndPlot() {}

    // Shows that a data file the program cannot run without is missing or damaged.
    void ReportMissingDataFile(const char* name);

    PreferencesManager* GetPreferencesManager() const { return preferences_.get(); }
    PFMFile* GetEngineFile() const { return engineFile_; }
    // Keyed record 'PPNN' 1 of the data file, open for the macro expander; null when there is none.
    PText* GetPronounRecord() const { return pronouns_.get(); }
    const std::string& GetVersionText() const { return versionText_; }
    std::int16_t GetMajorVersion() const { return majorVersion_; }
    std::int16_t GetMinorVersion() const { return minorVersion_; }
    std::int16_t GetMaintenanceVersion() const { return maintenanceVersion_; }
    std::int16_t GetFileFormat() const { return fileFormat_; }

private:
    void ReadVersionKeys();
    ErrCode OpenEngineFile();

    std::unique_ptr<PreferencesManager> preferences_;
    VolumePart programVolume_;
    DirectoryPart programDirectory_;
    DirectoryPart dataDirectory_;
    PFMFile* engineFile_ = nullptr;
    std::unique_ptr<PText> pronouns_;
    // The print settings every print job and preview of the program shares.
    std::unique_ptr<PrintRecord> printRecord_;
    std::unique_ptr<StoryModelServices> services_;
    std::int16_t majorVersion_ = 0;
    std::int16_t minorVersion_ = 0;
    std::int16_t maintenanceVersion_ = 0;
    std::int16_t fileFormat_ = 0;
    std::string versionText_ = "0.0";
};

// The application factory of the program's main routine.
TAppl* CreateFablecore(AppEnvironment* environment);
