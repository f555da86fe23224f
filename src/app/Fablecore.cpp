#include "app/Fablecore.h"

#include "app/FKDoc.h"
#include "app/PreferencesManager.h"
#include "app/StoryModelServices.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/PathUtil.h"
#include "foundation/TmpBuffer.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/AboutAppLib.h"
#include "framework/Alerts.h"
#include "framework/AppEnvironment.h"
#include "framework/AutoSaveManager.h"
#include "framework/FileChoosers.h"
#include "framework/FileTypeList.h"
#include "framework/StandardCommands.h"
#include "framework/TCommand.h"
#include "framework/graphics/AppFolder.h"
#include "framework/graphics/Cursors.h"
#include "items/ItemClasses.h"
#include "items/printing/PrintRecord.h"
#include "storymodel/engine/BusyPhase.h"
#include "storymodel/CharacterFiles.h"
#include "storymodel/engine/EngineTableReader.h"
#include "widgets/WidgetClasses.h"

namespace {

constexpr const char* kDataFileName = "Fablecor.qrv";
constexpr const char* kDataFolderName = "Commands";
constexpr const char* kEngineFileName = "engine.qrv";
constexpr FourCC kOpenFileTypes[4] = {kStoryFileType, 0, 0, 0};

// Busy phases of the story model show the busy cursor.
void ShowBusyCursor(bool busy) {
    if (busy) {
        PushCursor(-1);
    } else {
        PopCursor();
    }
}

// The cursors of the program's own, and the busy cursor of its long work.
void DefineProgramCursors() {
    DefineCursor(201, 1, 1, 12);
    DefineCursor(202, 1, 1, 12);
    DefineCursor(212, 8, 1, 4);
    SetDefaultCursorId(212);
}

}  // namespace

Fablecore::Fablecore(AppEnvironment* environment)
    : TAppl(environment),
      preferences_(std::make_unique<PreferencesManager>(FourCCOf("Fabl"))),
      printRecord_(std::make_unique<PrintRecord>()) {
    SetPrintRecord(printRecord_.get());
}

// The documents closed before, when the frame closed. The preferences file is written as its
// manager goes.
Fablecore::~Fablecore() {
    SetPrintRecord(nullptr);
    SetBusyPhaseHook(nullptr);
    pronouns_.reset();
    if (engineFile_) {
        SetEngineFile(nullptr);
        PFMCloseFile(engineFile_);
        engineFile_ = nullptr;
    }
    preferences_.reset();
    services_.reset();
}

const FourCC* Fablecore::GetOpenFileTypes() const { return kOpenFileTypes; }

bool Fablecore::IsSingleDocument() const { return !preferences_ || preferences_->IsSingleDocument(); }

ErrCode Fablecore::NewAtStartup(std::int16_t /*flag*/) {
    if (std::unique_ptr<TCommand> command = CreateCommand(kCmdNew)) PostCommand(std::move(command), kSecondQueue);
    return kNoErr;
}

TDoc* Fablecore::CreateDocument() { return new FKDoc(this); }

ErrCode Fablecore::AskOpenFile(FileRef& file) {
    CustomFileList list;
    list.AddTypeList("Fablecore Story File")->AddType(kStoryFileType);
    list.AddTypeList("All Files (including Mac)")->AddType(kAllFilesCode);
    return ChooseOpenFile(nullptr, file, false, &list, "Open Fablecore Story File");
}

// Also when no story could be made, or the import failed (it said why), the file was taken.
bool Fablecore::ImportFile(const FileRef& file) {
    if (!IsCharacterFile(file)) return false;
    if (!GetFrontDocument()) NewDocument(false);
    if (auto* story = dynamic_cast<FKDoc*>(GetFrontDocument())) {
        if (ImportCharacterFile(file, *story, kNoCharID))
            AlertMessage("Fablecore Character File was imported.", kAlertNote, 1);
    }
    return true;
}

ErrCode Fablecore::Init() {
    ErrCode status = TAppl::Init();
    if (status != kNoErr) return status;
    SetTmpBufferLimit(0x20000);
    PFMSetMemoryBudget(300000);

    services_ = std::make_unique<StoryModelServices>(*this);
    preferences_->LoadRecords();
    PFMPushCurrentFile(GetDataFile());
    DefineProgramCursors();
    PFMPopCurrentFile();
    // The busy cursor shows until the program is ready.
    PushCursor(-1);
    GetAppDirectory(programVolume_, programDirectory_);
    VolumePart dataVolume;
    status = GetDataFolder(dataVolume, dataDirectory_);
    if (status == kNoErr) {
        pronouns_ = std::make_unique<PText>(GetDataFile(), FourCCOf("PPNN"), 1);
        ReadVersionKeys();
        status = OpenEngineFile();
    }
    if (status == kNoErr) {
        SetBusyPhaseHook(ShowBusyCursor);
        const std::int32_t minutes = preferences_->GetAutoSaveMinutes();
        GetAutoSaveManager()->Configure(preferences_->GetAutoSave() != 0, minutes * 3600);
    }
    PopCursor();
    return status;
}

ErrCode Fablecore::GetDataFileName(char* buffer, std::size_t size) {
    std::snprintf(buffer, size, "%s", kDataFileName);
    return kNoErr;
}

ErrCode Fablecore::GetDataFolder(VolumePart& volume, DirectoryPart& directory) {
    DirectoryPart program;
    if (const ErrCode error = GetAppDirectory(volume, program); error != kNoErr) return error;
    const ErrCode error = FindFileInFolder(volume.c_str(), program.c_str(), kDataFolderName, directory);
    if (error != kNoErr) {
        const std::string name = GetAppName();
        FatalMessage(name.c_str(),
                     "Cannot find the folder called '%s' in '%s'.  %s needs this folder to run!",
                     kDataFolderName, (volume + program).c_str(), name.c_str());
    }
    return error;
}

// The application data file is looked for in the "Commands" folder first, then beside the program.
ErrCode Fablecore::GetDataFileRef(FileRef& file) {
    VolumePart volume;
    DirectoryPart directory;
    if (const ErrCode error = GetDataFolder(volume, directory); error != kNoErr) return error;
    file = FileRef(kDataFileName, volume.c_str(), directory.c_str(), kAccessRead);
    if (file.FindNoCase()) return kNoErr;
    DirectoryPart program;
    if (const ErrCode error = GetAppDirectory(volume, program); error != kNoErr) return error;
    file = FileRef(kDataFileName, volume.c_str(), program.c_str(), kAccessRead);
    file.FindNoCase();
    return kNoErr;
}

void Fablecore::GetFrameTitle(char* buffer, std::size_t size) {
    if (size == 0) return;
    std::string title = GetAppName();
    if (String version; ::GetVersionText(version)) title += std::string(" ") + version.CStr();
    std::snprintf(buffer, size, "%s", title.c_str());
}

void Fablecore::ReportMissingDataFile(const char* name) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "Missing or damaged file '%s'.\n\nAn undamaged copy must be located in the %s '%s'.\n\n"
                  "Fablecore can't run without it!",
                  name, "subdirectory", kDataFolderName);
    AlertMessageEx(text, 0, kAlertStop, 1);
}

void Fablecore::ReadVersionKeys() {
    const PFMFileScope dataFile(GetDataFile(), false);
    PText info(GetDataFile(), FourCCOf("INFO"), 0);
    info.GetEntry("MajVer", 's', &majorVersion_);
    info.GetEntry("MinVer", 's', &minorVersion_);
    info.GetEntry("MaintVer", 's', &maintenanceVersion_);
    info.GetEntry("FileFmt", 's', &fileFormat_);
    char version[12];
    if (info.GetEntry("Vers", 'c', version, sizeof version) >= 0) versionText_ = version;
    PFMSetAppVersion(GetVersion());
}

// The engine data must open as a store and hold whole, sound tables; a damaged file is left on
// disk for the user to replace.
ErrCode Fablecore::OpenEngineFile() {
    FileRef engine(kEngineFileName, programVolume_.c_str(), dataDirectory_.c_str(), kAccessRead);
    engine.FindNoCase();
    if (engine.Exists() && PFMIsPFMFile(engine)) {
        PFMPushCurrentFile(nullptr);
        engineFile_ = PFMOpenFile(&engine);
        PFMPopCurrentFile();
    }
    if (engineFile_) {
        SetEngineFile(engineFile_);
        if (CheckEngineTables() == kNoErr) return kNoErr;
        SetEngineFile(nullptr);
        PFMCloseFile(engineFile_);
        engineFile_ = nullptr;
    }
    PFMClearError();
    ReportMissingDataFile(kEngineFileName);
    return -1;
}

TAppl* CreateFablecore(AppEnvironment* environment) {
    // The windows' items are read and made by the item classes.
    InstallItemClasses();
    InstallWidgetClasses();
    return new Fablecore(environment);
}
