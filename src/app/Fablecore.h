#pragma once
// The story application: the framework's application object with the program's name and
// signature, its data files (the application data file "Fablecor.qrv" and the engine data
// "engine.qrv" in the "Commands" folder), its cursors and its menu bar.

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/FileRef.h"
#include "framework/TAppl.h"

class PFMFile;
class PrintRecord;

class Fablecore : public TAppl {
public:
    explicit Fablecore(AppEnvironment* environment);
    ~Fablecore() override;

    std::string GetAppName() const override { return "Fablecore"; }
    FourCC GetSignature() const override { return FourCCOf("Fabl"); }
    VersionNumber GetVersion() const override { return ParseVersion(versionText_); }
    std::int32_t GetMaxDocuments() const override { return 4; }
    ErrCode Init() override;
    void BuildMenus() override;
    ErrCode GetDataFileName(char* buffer, std::size_t size) override;
    // The "Commands" folder beside the program.
    ErrCode GetDataFolder(VolumePart& volume, DirectoryPart& directory) override;
    // "Fablecor.qrv" in the "Commands" folder, else beside the program.
    ErrCode GetDataFileRef(FileRef& file) override;

    // Shows that a data file the program cannot run without is missing or damaged.
    void ReportMissingDataFile(const char* name);

    PFMFile* GetEngineFile() const { return engineFile_; }
    const std::string& GetVersionText() const { return versionText_; }

private:
    void ReadVersionKeys();
    ErrCode OpenEngineFile();

    VolumePart programVolume_;
    DirectoryPart programDirectory_;
    DirectoryPart dataDirectory_;
    PFMFile* engineFile_ = nullptr;
    // The print settings every print job and preview of the program shares.
    std::unique_ptr<PrintRecord> printRecord_;
    std::int16_t majorVersion_ = 0;
    std::int16_t minorVersion_ = 0;
    std::int16_t maintenanceVersion_ = 0;
    std::int16_t fileFormat_ = 0;
    std::string versionText_ = "0.0";
};

// The application factory of the program's main routine.
TAppl* CreateFablecore(AppEnvironment* environment);
