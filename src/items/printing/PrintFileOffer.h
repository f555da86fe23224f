#pragma once
// Where Print to File offers to put a document: beside the story it prints, named after it, as Save
// As offers the story's own file. While a PrintFileOffer lives, the file printer's chooser opens on
// that file instead of the job's title in the home folder.

#include <string>

#include "platform/gdi/Printers.h"

class FileRef;
class TDoc;

// The document's folder and its name with ".pdf" for its extension (for a document never saved, the
// current folder, where Save As opens, and its untitled name and ".pdf"), numbered past files
// already there.
std::string DocumentPrintFile(const FileRef& file);

class PrintFileOffer {
public:
    // Nothing changes without a document.
    explicit PrintFileOffer(const TDoc* document);
    // The chooser it replaced comes back.
    ~PrintFileOffer();
    PrintFileOffer(const PrintFileOffer&) = delete;
    PrintFileOffer& operator=(const PrintFileOffer&) = delete;

private:
    win::PrintFileChooser replaced_;
    bool installed_ = false;
};
