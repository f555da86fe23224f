#pragma once
// The test application with documents of its own kind: each keeps one keyed record in its store,
// read and written through the store like an application's data. Files live in a folder of the
// test's own; what a file on disk holds is read from a copy of it, never through the open store.
// Error alerts (one OK button) are acknowledged as they come, whatever is scripted; every question
// and chooser must be scripted by the test.

#include <filesystem>
#include <string>
#include <vector>

#include "ApplicationFixture.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/TDocumentWindow.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FileChooser.h"
#include "platform/ui/MessageBox.h"

namespace apptest {

inline constexpr FourCC kRecordType = FourCCOf("TDOC");
inline constexpr FourCC kDocumentType = FourCCOf(".tdc");
inline constexpr FourCC kDocumentTypes[] = {kDocumentType, 0};

class RecordDoc : public TDoc {
public:
    explicit RecordDoc(TAppl* application) : TDoc(application) {}

    ErrCode Open(const FileRef* file) override {
        const ErrCode error = Read(file);
        if (error == kNoErr)
            (new TDocumentWindow(application_, nullptr, this, kChildMode, 0, GetFileName().c_str()))->Show();
        return error;
    }
    // A store without the record is not one of ours.
    bool ReadFrom(const FileRef& /*file*/, PFMFile* store) override {
        ErrCode error = kNoErr;
        const PText record(store, kRecordType, 1, &error);
        return error == kNoErr;
    }
    FourCC GetFileType() const override { return kDocumentType; }
    void BeforeCloseFile() override { ++closings; }
    ErrCode CommitWindows() override {
        ++commits;
        return commitError != kNoErr ? commitError : TDoc::CommitWindows();
    }

    // The record's text, changed in the store as the application's data would be.
    void Change(const std::string& text) {
        PText record(store_, kRecordType, 1);
        record.SetEntry("Text", 'c', text.c_str());
        ASSERT_EQ(record.Save(), kNoErr);
        SetDirty();
    }
    std::string Text() const {
        PText record(store_, kRecordType, 1);
        char text[256] = "";
        record.GetEntry("Text", 'c', text, sizeof text);
        return text;
    }

    ErrCode commitError = kNoErr;
    int commits = 0;
    int closings = 0;
};

class DocumentTest : public ApplicationTest {
protected:
    TempFolder files;
    // File choosers with nothing scripted show themselves, for the test to drive.
    bool showChoosers = false;

    void SetUp() override {
        ApplicationTest::SetUp();
        application->makeDocument = [](TAppl* owner) { return new RecordDoc(owner); };
        application->openTypes = kDocumentTypes;
        scripted_ = SetPromptResponder([this](const PromptRequest& request) -> std::optional<PromptAnswer> {
            prompts_.push_back(request);
            if (request.kind == "MessageBox" && (request.flags & MB_TYPEMASK) == MB_OK)
                return PromptAnswer{IDOK, {}};
            if (std::optional<PromptAnswer> answer = scripted_(request)) return answer;
            if (showChoosers && request.kind.find("File") != std::string::npos) return std::nullopt;
            ADD_FAILURE() << "nothing scripted for " << request.kind << " \"" << request.text << "\"";
            return PromptAnswer{0, {}};
        });
    }
    void TearDown() override {
        ApplicationTest::TearDown();
        SetPromptResponder(std::move(scripted_));
        EXPECT_EQ(presenter.UnusedPromptAnswers(), 0u);
    }

    std::string Path(const std::string& name) const { return files / name; }

    // A document file holding the text; a store of another kind without the record.
    void WriteDocumentFile(const std::string& name, const std::string& text,
                           FourCC recordType = kRecordType) {
        PFMPushCurrentFile(nullptr);
        PFMFile* store = PFMOpenFile(nullptr);
        ASSERT_NE(store, nullptr);
        {
            PText record(store, recordType, 1);
            record.SetEntry("Text", 'c', text.c_str());
            ASSERT_EQ(record.Save(), kNoErr);
        }
        const FileRef file(Path(name).c_str(), kAccessCreate);
        ASSERT_EQ(PFMSaveFile(&file), kNoErr);
        PFMCloseFile(store);
        PFMPopCurrentFile();
    }
    // The text the file on disk holds; "<missing>" without a file, "<damaged>" for no document.
    std::string TextOnDisk(const std::string& name) const {
        if (!std::filesystem::exists(Path(name))) return "<missing>";
        const std::string copy = probe / "copy";
        std::filesystem::copy_file(Path(name), copy, std::filesystem::copy_options::overwrite_existing);
        PFMPushCurrentFile(nullptr);
        const FileRef file(copy.c_str(), kAccessRead);
        PFMFile* store = PFMOpenFile(&file);
        std::string text = "<damaged>";
        if (store) {
            PText record(store, kRecordType, 1);
            char read[256] = "";
            if (record.GetEntry("Text", 'c', read, sizeof read) >= 0) text = read;
            PFMCloseFile(store);
        }
        PFMClearError();
        PFMPopCurrentFile();
        return text;
    }
    // The names in the files folder: no temporary file may stay behind.
    std::vector<std::string> FilesThere() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(files.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Every document closed without a question and every file gone: a fresh start for a road.
    void Restart() {
        for (std::int32_t i = 0; i < application->GetDocumentCount(); ++i)
            application->GetDocument(i)->SetClean();
        application->CloseAll(true);
        for (const std::string& name : FilesThere()) std::filesystem::remove(Path(name));
    }

    RecordDoc* Open(const std::string& name) {
        const FileRef file(Path(name).c_str(), kAccessReadWrite);
        EXPECT_EQ(application->OpenDocument(file, false), kNoErr);
        return static_cast<RecordDoc*>(application->FindDocumentByFile(file));
    }
    RecordDoc* New() {
        EXPECT_EQ(application->NewDocument(false), kNoErr);
        return static_cast<RecordDoc*>(application->GetDocument(application->GetDocumentCount() - 1));
    }
    // A new untitled document holding the text, unsaved.
    RecordDoc* NewChanged(const std::string& text) {
        RecordDoc* document = New();
        document->Change(text);
        return document;
    }
    bool IsOpen(const TDoc* document) const {
        for (std::int32_t i = 0; i < application->GetDocumentCount(); ++i) {
            if (application->GetDocument(i) == document) return true;
        }
        return false;
    }

    // Scripted answers, in the order the prompts come.
    void Choose(const std::string& name) {
        presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{TRUE, Path(name)});
    }
    void CancelChooser() { presenter.ScriptPromptAnswer("SaveFile", PromptAnswer{FALSE, {}}); }
    void Answer(int button) { presenter.ScriptPromptAnswer("MessageBox", PromptAnswer{button, {}}); }
    // Yes to the question whether to save the changes, then the Save As chooser cancelled.
    void AnswerYesThenCancelTheChooser() {
        Answer(IDYES);
        CancelChooser();
    }

    // The prompts asked from the mark on, as their kind and text.
    void Mark() { mark_ = prompts_.size(); }
    std::vector<std::string> Asked() const {
        std::vector<std::string> texts;
        for (std::size_t i = mark_; i < prompts_.size(); ++i)
            texts.push_back(prompts_[i].kind + ": " + prompts_[i].text);
        return texts;
    }
    // Every prompt asked, and the last (with back = 0) or an earlier one.
    const std::vector<PromptRequest>& Prompts() const { return prompts_; }
    const PromptRequest& LastPrompt(std::size_t back = 0) const {
        return prompts_.at(prompts_.size() - 1 - back);
    }

private:
    TempFolder probe;
    PromptResponder scripted_;
    std::vector<PromptRequest> prompts_;
    std::size_t mark_ = 0;
};

}  // namespace apptest
