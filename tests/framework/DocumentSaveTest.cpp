// Saving documents: in place, as another file (new, its own, another open document's), as a copy,
// untitled and read-only documents, reverting, and what a file that is no document does. After
// every road the file on disk and the document in memory are what the writer expects, also when
// each file call of the save fails in turn.

#include <gmock/gmock.h>

#include <functional>

#include "DocumentFixture.h"
#include "foundation/FileError.h"
#include "platform/sys/Bell.h"
#include "platform/sys/EachFileCallFailing.h"

namespace apptest {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

class DocumentSave : public DocumentTest {
protected:
    RecordDoc* document = nullptr;

    // A document of "story.tdc" changed from "old" to "new".
    void OpenChanged() {
        Restart();
        WriteDocumentFile("story.tdc", "old");
        document = Open("story.tdc");
        ASSERT_NE(document, nullptr);
        document->Change("new");
    }

    // The road with each of its file calls failing in turn (`failed` checks what a failure left,
    // `done` what a save that went through left).
    void FailEachCall(const std::function<ErrCode()>& road, const std::function<void(ErrCode)>& failed,
                      const std::function<void()>& done) {
        filefaults::SaveRoadRun run;
        filefaults::FailEachFileCall({[&] { OpenChanged(); }, [&] { Mark(); }, road, failed, done}, run);
        ASSERT_FALSE(run.counts.empty());
        EXPECT_GT(run.counts[0], 0u);
        EXPECT_GT(run.counts[3], 0u);
        EXPECT_GT(run.failures, 0);
    }

    // The document kept its changes and stays changed; the file is whole, old or new; the user
    // was told, and no temporary file stayed.
    void ExpectKept(ErrCode error, const std::string& file, const char* doing) {
        EXPECT_TRUE(document->IsDirty());
        EXPECT_EQ(document->Text(), "new");
        const std::string onDisk = TextOnDisk(file);
        EXPECT_TRUE(onDisk == "old" || onDisk == "new" || onDisk == "<missing>") << onDisk;
        const std::string message = "MessageBox: ERROR: " + std::to_string(error) + " " + doing +
                                    " file\n\"" + Path(file) + "\"\n" + FileErrorMessage(error);
        EXPECT_THAT(Asked(), testing::Contains(message));
        for (const std::string& name : FilesThere()) EXPECT_THAT(name, ::testing::EndsWith(".tdc"));
    }
};

TEST_F(DocumentSave, AFailingSaveInPlaceKeepsAWholeFileAndTheChanges) {
    FailEachCall([&] { return document->Save(nullptr); },
                 [&](ErrCode error) { ExpectKept(error, "story.tdc", "Saving"); },
                 [&] {
                     EXPECT_EQ(TextOnDisk("story.tdc"), "new");
                     EXPECT_FALSE(document->IsDirty());
                 });
}

TEST_F(DocumentSave, SaveAsWritesTheNewFileAndTheDocumentMovesToIt) {
    OpenChanged();
    Choose("renamed.tdc");
    Mark();
    std::int16_t cancelled = 7;
    EXPECT_EQ(document->SaveAs(&cancelled), kNoErr);
    EXPECT_EQ(cancelled, 0);
    EXPECT_THAT(Asked(), ElementsAre("SaveFile: " + Path("story.tdc"))) << "offered where the document is";
    EXPECT_EQ(LastPrompt().caption, "Save File As");
    EXPECT_EQ(document->GetWindow(0)->GetTitle(), "renamed.tdc");
    EXPECT_EQ(application->FindDocumentByFile(FileRef(Path("renamed.tdc").c_str())), document);
    document->Change("newer");
    EXPECT_EQ(document->Save(nullptr), kNoErr);
    EXPECT_EQ(TextOnDisk("renamed.tdc"), "newer");
    EXPECT_EQ(TextOnDisk("story.tdc"), "old");
}

TEST_F(DocumentSave, AFailingSaveAsLeavesTheDocumentOnItsOwnFile) {
    FailEachCall(
        [&] {
            const bool replacing = std::filesystem::exists(Path("renamed.tdc"));
            Choose("renamed.tdc");
            if (replacing) Answer(IDYES);
            return document->SaveAs(nullptr);
        },
        [&](ErrCode error) {
            ExpectKept(error, "renamed.tdc", "Saving as");
            EXPECT_EQ(document->GetFileName(), "story.tdc");
            EXPECT_EQ(TextOnDisk("story.tdc"), "old");
        },
        [&] {
            EXPECT_EQ(TextOnDisk("renamed.tdc"), "new");
            EXPECT_EQ(TextOnDisk("story.tdc"), "old");
            EXPECT_EQ(document->GetFileName(), "renamed.tdc");
            EXPECT_FALSE(document->IsDirty());
        });
}

TEST_F(DocumentSave, SaveAsOntoItsOwnFileReplacesItOnlyWhenTheUserAgrees) {
    OpenChanged();
    Choose("story.tdc");
    Answer(IDNO);
    CancelChooser();
    std::int16_t cancelled = 0;
    EXPECT_EQ(document->SaveAs(&cancelled), kNoErr);
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(LastPrompt(1).text, "Replace existing file \"" + Path("story.tdc") + "\" ?");
    EXPECT_EQ(TextOnDisk("story.tdc"), "old");
    EXPECT_TRUE(document->IsDirty());
    Choose("story.tdc");
    Answer(IDYES);
    EXPECT_EQ(document->SaveAs(&cancelled), kNoErr);
    EXPECT_EQ(TextOnDisk("story.tdc"), "new");
    EXPECT_FALSE(document->IsDirty());
    EXPECT_EQ(FilesThere(), std::vector<std::string>{"story.tdc"});
}

TEST_F(DocumentSave, AFailingSaveAsOntoItsOwnFileKeepsAWholeFileAndTheChanges) {
    FailEachCall(
        [&] {
            Choose("story.tdc");
            Answer(IDYES);
            return document->SaveAs(nullptr);
        },
        [&](ErrCode error) { ExpectKept(error, "story.tdc", "Saving as"); },
        [&] {
            EXPECT_EQ(TextOnDisk("story.tdc"), "new");
            EXPECT_FALSE(document->IsDirty());
            EXPECT_EQ(FilesThere(), std::vector<std::string>{"story.tdc"});
        });
}

TEST_F(DocumentSave, SaveAsNeverWritesOverAnotherOpenDocument) {
    OpenChanged();
    WriteDocumentFile("other.tdc", "other");
    RecordDoc* other = Open("other.tdc");
    other->Change("other changed");
    Choose("other.tdc");
    CancelChooser();
    std::int16_t cancelled = 0;
    EXPECT_EQ(document->SaveAs(&cancelled), kNoErr);
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(LastPrompt(1).text,
              "File \"" + Path("other.tdc") +
                  "\" is in use by this application. Please select a different file to save to.");
    // Written directly, the store refuses it too.
    EXPECT_EQ(document->WriteAs(FileRef(Path("other.tdc").c_str())), kFileInUseErr);
    EXPECT_EQ(TextOnDisk("other.tdc"), "other");
    EXPECT_EQ(other->Text(), "other changed");
    EXPECT_EQ(document->GetFileName(), "story.tdc");
    EXPECT_TRUE(document->IsDirty());
}

TEST_F(DocumentSave, SaveACopyWritesTheCopyAndNeverOverTheDocumentsOwnFile) {
    OpenChanged();
    Choose("story.tdc");
    Choose("copy.tdc");
    std::int16_t cancelled = 7;
    EXPECT_EQ(document->SaveACopy(&cancelled), kNoErr);
    EXPECT_EQ(cancelled, 0);
    EXPECT_EQ(LastPrompt().caption, "Save a Copy of");
    EXPECT_EQ(LastPrompt(1).text,
              "File \"" + Path("story.tdc") +
                  "\" is in use by this application. Please select a different filename to "
                  "save a copy to.");
    EXPECT_EQ(TextOnDisk("story.tdc"), "old");
    EXPECT_EQ(application->FindDocumentByFile(FileRef(Path("copy.tdc").c_str())), nullptr);
}

TEST_F(DocumentSave, AFailingSaveACopyLeavesNoCopyAndTheDocumentAsItWas) {
    FailEachCall(
        [&] {
            const bool replacing = std::filesystem::exists(Path("copy.tdc"));
            Choose("copy.tdc");
            if (replacing) Answer(IDYES);
            return document->SaveACopy(nullptr);
        },
        [&](ErrCode error) {
            ExpectKept(error, "copy.tdc", "Saving a copy to");
            EXPECT_EQ(TextOnDisk("story.tdc"), "old");
        },
        [&] {
            EXPECT_EQ(TextOnDisk("copy.tdc"), "new");
            EXPECT_EQ(TextOnDisk("story.tdc"), "old");
            EXPECT_EQ(document->GetFileName(), "story.tdc");
            EXPECT_TRUE(document->IsDirty());
        });
}

TEST_F(DocumentSave, AnUntitledDocumentIsSavedAsAndCancellingWaitsAFullIntervalAgain) {
    RecordDoc* untitled = NewChanged("draft");
    const std::uint32_t changed = untitled->GetChangeTime();
    presenter.Advance(10000);
    CancelChooser();
    std::int16_t cancelled = 0;
    EXPECT_EQ(untitled->Save(&cancelled), kNoErr);
    EXPECT_EQ(cancelled, 1);
    EXPECT_EQ(LastPrompt().text, "untitled.1");
    EXPECT_TRUE(untitled->IsDirty());
    EXPECT_EQ(untitled->GetChangeTime(), changed + 600) << "stamped anew";
    Choose("draft.tdc");
    EXPECT_EQ(untitled->Save(&cancelled), kNoErr);
    EXPECT_EQ(TextOnDisk("draft.tdc"), "draft");
    EXPECT_EQ(untitled->GetFileName(), "draft.tdc");
}

// A file moved away or deleted after it was opened: Save says the file is missing, which advises
// Save As, and the chooser then asks where the document goes.
TEST_F(DocumentSave, SavingADocumentWhoseFileWentSaysSoBeforeTheChooser) {
    for (const bool deleted : {false, true}) {
        SCOPED_TRACE(deleted ? "deleted" : "moved");
        OpenChanged();
        if (deleted) {
            std::filesystem::remove(Path("story.tdc"));
        } else {
            std::filesystem::rename(Path("story.tdc"), Path("moved.tdc"));
        }
        Mark();
        Choose("saved.tdc");
        EXPECT_EQ(document->Save(nullptr), kNoErr);
        EXPECT_THAT(Asked(), ElementsAre("MessageBox: ERROR: -21 Saving file\n\"" + Path("story.tdc") + "\"\n" +
                                             FileErrorMessage(kDocumentMissingErr),
                                         StartsWith("SaveFile")));
        EXPECT_EQ(TextOnDisk("saved.tdc"), "new");
        EXPECT_EQ(document->GetFileName(), "saved.tdc");
        EXPECT_FALSE(document->IsDirty());
    }
}

TEST_F(DocumentSave, ADocumentOpenedForReadingIsSavedElsewhere) {
    WriteDocumentFile("story.tdc", "old");
    auto* reading = static_cast<RecordDoc*>(application->CreateDocument());
    const FileRef file(Path("story.tdc").c_str(), kAccessRead);
    ASSERT_EQ(reading->Open(&file), kNoErr);
    reading->Change("new");
    Mark();
    Choose("copy.tdc");
    EXPECT_EQ(reading->Save(nullptr), kNoErr);
    EXPECT_THAT(Asked(), ElementsAre("MessageBox: File \"" + Path("story.tdc") +
                                         "\" was opened read-only. Please select a different file to save to.",
                                     StartsWith("SaveFile")));
    EXPECT_EQ(TextOnDisk("story.tdc"), "old");
    EXPECT_EQ(TextOnDisk("copy.tdc"), "new");
}

TEST_F(DocumentSave, AnEditThatCannotBeStoredStopsTheSaveBeforeAnythingIsWritten) {
    OpenChanged();
    document->commitError = kAbortedErr;
    const std::string error = std::string("\"\n") + FileErrorMessage(kAbortedErr);
    Mark();
    EXPECT_EQ(document->Save(nullptr), kAbortedErr);
    Choose("other.tdc");
    EXPECT_EQ(document->SaveAs(nullptr), kAbortedErr);
    Choose("copy.tdc");
    EXPECT_EQ(document->SaveACopy(nullptr), kAbortedErr);
    EXPECT_THAT(
        Asked(),
        ElementsAre("MessageBox: ERROR: -5 Preparing to save file\n\"" + Path("story.tdc") + error,
                    StartsWith("SaveFile"),
                    "MessageBox: ERROR: -5 Preparing to save as file\n\"" + Path("other.tdc") + error,
                    StartsWith("SaveFile"),
                    "MessageBox: ERROR: -5 Preparing to save a copy to file\n\"" + Path("copy.tdc") + error));
    EXPECT_EQ(FilesThere(), std::vector<std::string>{"story.tdc"});
    EXPECT_EQ(document->GetFileName(), "story.tdc");
    EXPECT_TRUE(document->IsDirty());
}

TEST_F(DocumentSave, RevertTakesTheFileBackWithoutAskingAndNeverAnotherStore) {
    OpenChanged();
    Mark();
    EXPECT_EQ(document->Revert(), kNoErr);
    EXPECT_EQ(document->Text(), "old");
    EXPECT_FALSE(document->IsDirty());
    EXPECT_TRUE(Asked().empty());
    const int commits = document->commits;
    EXPECT_EQ(document->Save(nullptr), kNoErr);
    EXPECT_EQ(document->commits, commits) << "a document without changes is not written";

    document->Change("new");
    RecordDoc bare(application);
    EXPECT_EQ(bare.Revert(), kFileNotFoundErr);
    RecordDoc* untitled = NewChanged("draft");
    EXPECT_NE(untitled->Revert(), kNoErr);
    EXPECT_EQ(untitled->Text(), "draft");
    EXPECT_TRUE(untitled->IsDirty());
    EXPECT_EQ(document->Text(), "new");
}

// The store's opening tells a store file by its identification: the document's check is asked
// only of a file that did not open (AFileThatIsNoDocumentIsRefused keeps what it says of the others).
TEST_F(DocumentSave, ADocumentsFileIsOpenedOnceToReadIt) {
    WriteDocumentFile("ours.tdc", "ours");
    win::ResetFileCalls();
    ASSERT_EQ(application->OpenDocument(FileRef(Path("ours.tdc").c_str()), false), kNoErr);
    EXPECT_EQ(win::GetFileCallCount(win::FileCall::kOpen), 2u) << "the store's file and its swap file";
    ASSERT_EQ(application->GetDocumentCount(), 1);
    EXPECT_EQ(static_cast<RecordDoc*>(application->GetDocument(0))->Text(), "ours");
}

TEST_F(DocumentSave, AFileThatIsNoDocumentIsRefused) {
    files.WriteFile("notes.txt", "plain text");
    const unsigned long bells = win::GetBellCount();
    EXPECT_EQ(application->OpenDocument(FileRef(Path("notes.txt").c_str()), false), -6);
    EXPECT_EQ(win::GetBellCount(), bells + 1);
    EXPECT_EQ(application->GetDocumentCount(), 0) << "the document that failed went";

    WriteDocumentFile("foreign.tdc", "not ours", FourCCOf("ELSE"));
    const FileRef file(Path("foreign.tdc").c_str(), kAccessReadWrite);
    WriteDocumentFile("ours.tdc", "ours");
    const FileRef ours(Path("ours.tdc").c_str(), kAccessReadWrite);
    {
        RecordDoc foreign(application);
        EXPECT_TRUE(foreign.CanClose());
        EXPECT_EQ(foreign.Read(&file), -6);
        EXPECT_FALSE(foreign.CanClose());
        EXPECT_EQ(foreign.Read(&ours), kNoErr);
        EXPECT_FALSE(PFMIsFileOpen(file)) << "a second read closes the first store";
        EXPECT_EQ(foreign.closings, 1);
    }
    EXPECT_FALSE(PFMIsFileOpen(ours)) << "the store goes with its document";
    RecordDoc closing(application);
    ASSERT_EQ(closing.Read(&ours), kNoErr);
    EXPECT_EQ(closing.CloseFile(), kNoErr);
    EXPECT_EQ(closing.CloseFile(), kNoErr);
    EXPECT_EQ(closing.closings, 1) << "the hook runs only while a store is open";
    EXPECT_EQ(closing.GetStore(), nullptr);
    EXPECT_FALSE(PFMIsFileOpen(ours));
}

}  // namespace
}  // namespace apptest
