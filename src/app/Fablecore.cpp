#include "app/Fablecore.h"

#include "app/FKDoc.h"
#include "app/FablCmds.h"
#include "app/GenderDialog.h"
#include "app/PreferencesManager.h"
#include "app/StoryModelServices.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/File.h"
#include "foundation/PathUtil.h"
#include "foundation/TmpBuffer.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/AboutAppLib.h"
#include "framework/Alerts.h"
#include "framework/AutoSaveManager.h"
#include "framework/FileChoosers.h"
#include "framework/FileTypeList.h"
#include "framework/QRVClipBoard.h"
#include "framework/TMenu.h"
#include "framework/graphics/AppFolder.h"
#include "framework/graphics/Cursors.h"
#include "items/ItemClasses.h"
#include "items/printing/PrintRecord.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Paint.h"
#include "platform/ui/Shell.h"
#include "storymodel/engine/BusyPhase.h"
#include "storymodel/engine/EngineTableReader.h"
#include "storymodel/engine/ThroughlineStructure.h"
#include "widgets/WidgetClasses.h"

namespace {

constexpr FourCC kOpenFileTypes[4] = {kStoryFileType, 0, 0, 0};
// The place of "Generate Story Engine..." in the Storyforming menu.
constexpr std::int32_t kEngineGenerationItem = 8;

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

// A palette of 256 black entries, realised on the screen and let go again, so that the system's
// palette starts out free for the program's pictures.
void RealiseBlackPalette() {
    std::vector<win::BYTE> block(sizeof(win::LOGPALETTE) + 256 * sizeof(win::PALETTEENTRY));
    auto* palette = reinterpret_cast<win::LOGPALETTE*>(block.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = 256;
    for (int i = 0; i < 256; ++i) palette->palPalEntry[i] = win::PALETTEENTRY{0, 0, 0, win::PC_NOCOLLAPSE};
    const win::HPALETTE black = win::CreatePalette(palette);
    if (!black) return;
    const win::HDC screen = win::GetDC(nullptr);
    const win::HPALETTE previous = win::SelectPalette(screen, black, win::FALSE);
    win::RealizePalette(screen);
    win::SelectPalette(screen, previous, win::FALSE);
    win::ReleaseDC(nullptr, screen);
    win::DeleteObject(black);
}

}  // namespace

Fablecore::Fablecore(AppEnvironment* environment)
    : TAppl(environment),
      preferences_(std::make_unique<PreferencesManager>(FourCCOf("Fabl"))),
      printRecord_(std::make_unique<PrintRecord>()) {
    SetPrintRecord(printRecord_.get());
}

Fablecore::~Fablecore() {
    SetPrintRecord(nullptr);
    SetBusyPhaseHook(nullptr);
    pronouns_.reset();
    if (pictureFile_) PFMCloseFile(pictureFile_);
    pictureFile_ = nullptr;
    if (engineFile_) {
        SetEngineFile(nullptr);
        PFMCloseFile(engineFile_);
        engineFile_ = nullptr;
    }
    if (examplesFile_) PFMCloseFile(examplesFile_);
    examplesFile_ = nullptr;
    CloseContextFile();
    const std::string help = programVolume_ + programDirectory_ + kHelpFileName;
    win::WinHelpA(GetFrameWindow(), help.c_str(), win::HELP_QUIT, 0);
    preferences_.reset();
    pictureClipboard_.reset();
    services_.reset();
}

std::string Fablecore::GetAppName() const {
    String version;
    return ::GetVersionText(version) ? std::string(kProductName) + " " + version.CStr()
                                     : std::string(kProductName);
}

const FourCC* Fablecore::GetOpenFileTypes() const { return kOpenFileTypes; }

bool Fablecore::IsSingleDocument() const { return !preferences_ || preferences_->IsSingleDocument(); }

ErrCode Fablecore::AskOpenFile(FileRef& file) {
    CustomFileList list;
    list.AddTypeList("Fablecore Story File")->AddType(kStoryFileType);
    list.AddTypeList("All Files (including Mac)")->AddType(kAllFilesCode);
    return ChooseOpenFile(nullptr, file, false, &list, "Open Fablecore Story File");
}

// Each step runs while no earlier one failed; the busy cursor shows from the cursors' definition to
// the end.
ErrCode Fablecore::Init() {
    RealiseBlackPalette();
    ErrCode status = TAppl::Init();
    if (status != kNoErr) return status;
    SetTmpBufferLimit(0x20000);
    PFMSetMemoryBudget(300000);

    services_ = std::make_unique<StoryModelServices>(*this);
    preferences_->LoadRecords();
    PFMPushCurrentFile(GetDataFile());
    DefineProgramCursors();
    PFMPopCurrentFile();
    PushCursor(-1);
    ShowSplashScreen();
    OnSplashShown(status);
    status = GetAppDirectory(programVolume_, programDirectory_);
    if (status == kNoErr) {
        VolumePart dataVolume;
        status = GetDataFolder(dataVolume, dataDirectory_);
    }
    if (status == kNoErr) {
        pronouns_ = std::make_unique<PText>(GetDataFile(), FourCCOf("PPNN"), 1);
        ReadVersionKeys();
        status = OpenPictureFile();
    }
    if (status == kNoErr) status = OpenEngineFile();
    if (status == kNoErr) {
        // The theory tables are compiled in; the default arrangement of a throughline is made now.
        GetDefaultThroughlineStructure();
        OpenContextFile();
        pictureClipboard_ = std::make_unique<QRVClipBoard>(win::CF_BITMAP);
        SetBusyPhaseHook(ShowBusyCursor);
        const std::int32_t minutes = std::max<std::int32_t>(preferences_->GetAutoSaveMinutes(), 0);
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
        FatalMessage(GetAppName().c_str(),
                     "Cannot find the folder called '%s' in '%s'.  %s needs this folder to run!",
                     kDataFolderName, (volume + program).c_str(), kProductName);
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
    // At most 11 characters are kept.
    char version[12] = {};
    if (info.GetEntry("Vers", 'c', version, sizeof version) >= 0) versionText_ = version;
    PFMSetAppVersion(GetVersion());
}

FileRef Fablecore::GetDataFolderFile(const char* name, FileAccess access) const {
    FileRef file(name, programVolume_.c_str(), dataDirectory_.c_str(), access);
    file.FindNoCase();
    return file;
}

PFMFile* Fablecore::OpenDataFolderStore(const char* name, bool deleteWhenNoStore) const {
    FileRef file = GetDataFolderFile(name, kAccessRead);
    if (!file.Exists()) return nullptr;
    if (!PFMIsPFMFile(file)) {
        // One that another copy holds (writing it) is no damaged file.
        if (deleteWhenNoStore && !File::IsHeldElsewhere(file)) file.Remove();
        return nullptr;
    }
    PFMPushCurrentFile(nullptr);
    PFMFile* store = PFMOpenFile(&file);
    PFMPopCurrentFile();
    return store;
}

// A file that is not a store is reported and left where it is, for the writer to replace.
ErrCode Fablecore::OpenPictureFile() {
    pictureFile_ = OpenDataFolderStore(kPictureFileName, false);
    if (pictureFile_) return kNoErr;
    PFMClearError();
    ReportMissingDataFile(kPictureFileName);
    return -1;
}

// The engine data must open as a store and hold whole, sound tables; a damaged file is left on
// disk for the writer to replace.
ErrCode Fablecore::OpenEngineFile() {
    engineFile_ = OpenDataFolderStore(kEngineFileName, false);
    if (engineFile_) {
        SetEngineFile(engineFile_);
        if (CheckEngineTables() == kNoErr) {
            RemoveEngineGeneration();
            return kNoErr;
        }
        SetEngineFile(nullptr);
        PFMCloseFile(engineFile_);
        engineFile_ = nullptr;
    }
    PFMClearError();
    ReportMissingDataFile(kEngineFileName);
    return -1;
}

void Fablecore::RemoveEngineGeneration() {
    TMenu* storyforming = storyformingMenuIndex_ >= 0 ? GetMenu(storyformingMenuIndex_) : nullptr;
    if (storyforming && storyforming->GetItemCount() > kEngineGenerationItem)
        storyforming->RemoveItems(kEngineGenerationItem, kEngineGenerationItem);
}

PFMFile* Fablecore::OpenContextFile() {
    CloseContextFile();
    contextFile_ = OpenDataFolderStore(kContextFileName, false);
    if (!contextFile_) PFMClearError();
    return contextFile_;
}

void Fablecore::CloseContextFile() {
    if (contextFile_) PFMCloseFile(contextFile_);
    contextFile_ = nullptr;
}

PFMFile* Fablecore::OpenStoryExamplesFile() {
    if (examplesFile_) return examplesFile_;
    examplesFile_ = OpenDataFolderStore(kExamplesFileName, true);
    if (!examplesFile_) PFMClearError();
    return examplesFile_;
}

std::int16_t Fablecore::AskPronounGender() {
    if (preferences_->HasPronounGender()) return 1;
    const std::int32_t answer = (new GenderDialog(kPronounQuestion))->DoModal();
    preferences_->SetPronounGender(answer == GenderDialog::kFemaleItem ? 1
                                   : answer == GenderDialog::kMaleItem ? 0
                                                                       : 2);
    return 1;
}

TAppl* CreateFablecore(AppEnvironment* environment) {
    // The windows' items are read and made by the item classes.
    InstallItemClasses();
    InstallWidgetClasses();
    return new FablCmds(environment);
}
