#include "app/TextFileExport.h"

#include "foundation/FileError.h"
#include "platform/sys/Cp1252.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/SysError.h"
#include "storymodel/UserPrompts.h"

bool AskTextFileToExport(const char* title, const std::string& offeredName, FileRef& file) {
    const FileKind kinds[] = {{"Text File", {kTextFileType}}};
    file.Clear();
    file.SetName(offeredName.c_str());
    return UserPrompts().AskSaveFile(kinds, kTextFileType, title,
                                     "Please select a different file to export to.", file) == kFileChosen;
}

bool WriteTextFile(const FileRef& file, std::string_view text) {
    const std::string path = file.GetFullPath();
    if (win::ReplaceFileContents(path.c_str(), win::Cp1252ToUtf8(text))) return true;
    const ErrCode error = FileErrorFromSystem(static_cast<int>(win::GetLastError()), kWriteErr);
    const std::string message = "ERROR: " + std::to_string(error) + " exporting to the file\n\"" + path +
                                "\"\n" + FileErrorMessage(error);
    UserPrompts().AlertMessage(message.c_str(), AlertIcon::kStop);
    return false;
}

std::string ExportFileName(const std::string& storyFileName, const char* suffix) {
    std::string stem = storyFileName.substr(0, storyFileName.rfind('.'));
    if (stem.empty()) stem = "Story";
    return stem + suffix + ".txt";
}
