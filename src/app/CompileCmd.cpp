#include "app/CompileCmd.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "app/FKDoc.h"
#include "app/Fablecore.h"
#include "app/StoryCommands.h"
#include "foundation/FolderRef.h"
#include "foundation/Memory.h"
#include "foundation/ObjList.h"
#include "foundation/PathUtil.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/Alerts.h"
#include "framework/BusyCursor.h"
#include "framework/ProgressDlog.h"
#include "framework/graphics/AppFolder.h"
#include "framework/graphics/Cursors.h"
#include "storymodel/engine/StoryPointTable.h"

namespace {

constexpr FourCC kResponsesInForce = FourCCOf("FCAP");
constexpr FourCC kResponses = FourCCOf("RESP");
constexpr FourCC kStorytelling = FourCCOf("STEL");
// A new segment starts as this many zero bytes.
constexpr std::uint32_t kNewSegmentSize = 5;

// The styled-text codes of a paragraph: its margins, and bold on and off.
constexpr const char* kParagraphStart =
    "\xC7M(12,36,0)\xC8\xC7"
    "B+\xC8";
constexpr const char* kBoldOff =
    "\xC7"
    "B-\xC8";

// The first main record type the story file holds; 0 when none.
FourCC MainRecordType(PFMFile* story) {
    const PFMFileScope scope(story, false);
    for (const FourCC type : {kMainRecordType, kOldMainRecordType, kOldestMainRecordType})
        if (PFMSegmentExists(type, 0)) return type;
    return 0;
}

bool HasSegment(PFMFile* story, FourCC type) {
    const PFMFileScope scope(story, false);
    return PFMSegmentExists(type, 0);
}

// Appends the paragraph to segment (type, id) of the current store, adding the segment when it is
// missing.
ErrCode AppendParagraph(FourCC type, std::uint16_t id, const std::string& paragraph) {
    void* data = PFMSegmentExists(type, id) ? PFMCheckOut(type, id) : nullptr;
    if (!data) {
        data = MemAllocFill(kNewSegmentSize, 0);
        if (!data) return -1;
        if (const ErrCode error = PFMAddSegment(type, id, data, 1, false); error != kNoErr) {
            MemFree(data);
            return error;
        }
    }
    const std::uint32_t size = MemSize(data);
    const std::size_t used = strnlen(static_cast<const char*>(data), size);
    const ErrCode resized = PFMResizeSegment(&data, size + static_cast<std::uint32_t>(paragraph.size()) + 1);
    if (resized == kNoErr) {
        char* text = static_cast<char*>(data);
        std::memcpy(text + used, paragraph.c_str(), paragraph.size() + 1);
        PFMSetChanged(data, true);
    }
    const ErrCode checkedIn = PFMCheckIn(data);
    return checkedIn != kNoErr ? checkedIn : resized;
}

}  // namespace

std::int16_t FoldElementValue(std::int16_t value) {
    return static_cast<std::int16_t>(85 + (value - 85) % 64);
}

std::string ExampleParagraph(const std::string& title, const char* storytelling) {
    std::string paragraph = kParagraphStart + title + kBoldOff;
    if (storytelling && *storytelling) {
        paragraph += std::string(":  ") + storytelling + "\n";
    } else {
        paragraph += ". \n";
    }
    return paragraph;
}

bool CompileCmd::IsEnabled(const TAppl& application) { return IsStoryInFront(application); }

ErrCode CompileCmd::Do() {
    if (!IsEnabled(*application_)) return kNoErr;
    if (AskYesNoCancel(kQuestion, 0, true) != kAnswerYes) return kNoErr;
    ObjList stories;
    if (const ErrCode error = FindExampleStories(stories); error != kNoErr) return error;
    if (stories.Count() == 0) {
        AlertMessage(kNoStoriesText, kAlertStop, 1);
        return kNoErr;
    }
    return Rebuild(stories);
}

ErrCode CompileCmd::FindExampleStories(ObjList& list) {
    VolumePart volume;
    DirectoryPart program;
    if (const ErrCode error = GetAppDirectory(volume, program); error != kNoErr) return error;
    DirectoryPart examples;
    if (const ErrCode error =
            FindFileInFolder(volume.c_str(), program.c_str(), kExamplesFolderName, examples);
        error != kNoErr) {
        AlertMessage(kNoFolderText, kAlertStop, 1);
        return error;
    }
    const BusyCursor busy;
    return FolderRef(volume.c_str(), examples.c_str(), false).FindFiles(kStoryFileType, list);
}

ErrCode CompileCmd::Rebuild(ObjList& stories) {
    auto* application = static_cast<Fablecore*>(application_);
    PFMFile* remembered = PFMGetCurrentFile();
    if (PFMFile* old = application->GetExamplesFile()) {
        if (old == remembered) remembered = nullptr;
        PFMCloseFile(old);
        application->SetExamplesFile(nullptr);
    }
    PFMSetCurrentFile(nullptr);
    PFMFile* examples = PFMOpenFile(nullptr);
    ErrCode error = examples ? kNoErr : (PFMGetError() != kNoErr ? PFMGetError() : ErrCode{-1});
    bool cancelled = false;
    if (examples) {
        PushCursor(-1);
        auto progress = std::make_unique<ProgressDlog>();
        std::string buffer;
        buffer.reserve(kTextBufferSize);
        const std::int32_t count = stories.Count();
        for (std::int32_t i = 0; i < count && error == kNoErr; ++i) {
            auto* story = static_cast<FileRef*>(stories.ObjectAt(i));
            story->SetPermission(kAccessRead);
            if (PFMIsPFMFile(*story)) error = AddStoryToExamples(*story, examples, buffer);
            if (error == kNoErr && progress->Step(i * 100 / count)) cancelled = true;
            if (cancelled) break;
        }
        if (error == kNoErr && !cancelled) {
            const FileRef file = application->GetDataFolderFile(Fablecore::kExamplesFileName, kAccessCreate);
            PFMSetCurrentFile(examples);
            PFMSetFastSave(false, examples);
            error = PFMSaveFile(&file);
            if (error == kNoErr) SetFileTypeCodes(file, kExamplesCreator, kExamplesFileType);
        }
        progress.reset();
        PopCursor();
        PFMCloseFile(examples);
    }
    // The old file, when the new one was not written, is as it was: it opens again too.
    if (error != kNoErr) AlertMessage(kErrorText, kAlertStop, 1);
    application->OpenStoryExamplesFile();
    PFMClearError();
    PFMSetCurrentFile(remembered);
    return error;
}

ErrCode CompileCmd::AddStoryToExamples(const FileRef& storyFile, PFMFile* examples, std::string& buffer) {
    const bool chainSearch = PFMSetChainSearch(false);
    PFMPushCurrentFile(nullptr);
    PFMFile* story = PFMOpenFile(&storyFile);
    PFMPopCurrentFile();
    ErrCode error = story ? kNoErr : (PFMGetError() != kNoErr ? PFMGetError() : ErrCode{-1});
    if (story) {
        const FourCC responsesType = HasSegment(story, kResponsesInForce) ? kResponsesInForce : kResponses;
        const FourCC mainType = MainRecordType(story);
        if (!HasSegment(story, responsesType) || mainType == 0) error = -1;
        std::unique_ptr<PText> responses;
        std::unique_ptr<PText> storytelling;
        std::unique_ptr<PText> main;
        if (error == kNoErr) {
            responses = std::make_unique<PText>(story, responsesType, 0);
            if (HasSegment(story, kStorytelling))
                storytelling = std::make_unique<PText>(story, kStorytelling, 0);
            main = std::make_unique<PText>(story, mainType, 0);
        }
        char title[kMaxTitle + 1] = "";
        if (main) main->GetEntry("Title", 'c', title, sizeof title);
        // The room a paragraph leaves for the storytelling text.
        const std::string frame = ExampleParagraph(title, ":");
        std::vector<char> text(kTextBufferSize - std::min(kTextBufferSize - 1, frame.size()));
        for (int index = 0; index < kStoryPointCount && error == kNoErr && responses; ++index) {
            const StoryPointRecord* row = StoryPointAt(index);
            if (!row || !row->shortKey || !row->code) continue;
            std::int16_t value = 0;
            responses->GetEntry(row->code, 's', &value);
            if (value <= 0) continue;
            if (row->kind == kElementLevelPoint) value = FoldElementValue(value);
            text[0] = '\0';
            if (storytelling)
                storytelling->GetEntry(row->code, 'c', text.data(), static_cast<std::int32_t>(text.size()));
            buffer = ExampleParagraph(title, text.data());
            const PFMFileScope scope(examples, false);
            const char* key = row->shortKey;
            error = AppendParagraph(MakeFourCC(key[0], key[1], key[2], key[3]),
                                    static_cast<std::uint16_t>(value), buffer);
        }
        responses.reset();
        storytelling.reset();
        main.reset();
        PFMCloseFile(story);
    }
    PFMSetChainSearch(chainSearch);
    return error;
}
