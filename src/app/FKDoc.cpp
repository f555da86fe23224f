#include "app/FKDoc.h"

#include <cstring>
#include <vector>

#include "app/FEWindow.h"
#include "app/Fablecore.h"
#include "app/PreferencesManager.h"
#include "foundation/FileError.h"
#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "framework/TWindow.h"
#include "query/data/TopicTable.h"
#include "storymodel/CharacterManager.h"
#include "storymodel/RecordText.h"
#include "storymodel/SceneManager.h"
#include "storymodel/engine/StoryFormManager.h"
#include "storymodel/engine/StoryPointTable.h"

const char* const FKDoc::kSynopsisKeys[kSynopsisCount] = {
    "CharSynGen", "Synopsis",   "OSSynopsis", "SSSynopsis",  "MCSynopsis",
    "OCSynopsis", "MCActivity", "OCActivity", "PlotSynGen", "ThemeSynGen"};
const std::int16_t FKDoc::kSynopsisTopics[kSynopsisCount] = {394, 13, 306, 307, 308, 309, 323, 324, 395, 396};

namespace {

// The longest title the caption takes.
constexpr std::size_t kMaxTitle = 250;
// What reading answers for a file that its type check refused.
constexpr ErrCode kNotAStoryFile = -6;

}  // namespace

FKDoc::FKDoc(Fablecore* application) : TDoc(application) { questionStatus_.SetOwner(this); }

FKDoc::~FKDoc() { CloseFile(); }

Fablecore* FKDoc::GetFablecore() const { return static_cast<Fablecore*>(application_); }

// A file refused by its type was named already; one whose store cannot be read is named here.
ErrCode FKDoc::Open(const FileRef* file) {
    if (const ErrCode error = Read(file); error != kNoErr) {
        if (file && error != kNotAStoryFile) ReportUnopenedFile(*file, error);
        return error;
    }
    const ShortRect frame = application_->GetFrameClientRect();
    const ShortRect place = ShortRect::MakeLTRB(frame.left + 3, frame.top + 3, frame.right - 3, frame.bottom - 3);
    frontEnd_ = new FEWindow(application_, this, place, kChildMode, GetFileName().c_str());
    if (const ErrCode error = InitStoryData(); error != kNoErr) return error;
    frontEnd_->BuildContents();
    // Titled before it shows, so that its caption is drawn once, with the story's title.
    UpdateWindowTitles();
    frontEnd_->Show();
    Broadcast(FKDocEvent::kOpened);
    return kNoErr;
}

void FKDoc::StorytellingChanged() { Broadcast(FKDocEvent::kStorytellingChanged); }

void FKDoc::Broadcast(std::uint32_t code) {
    const FKDocEvent event(code, this);
    GetFablecore()->Broadcaster::Broadcast(&event);
}

void FKDoc::GetTitle(char* buffer, std::size_t size) const { GetTitle(GetFileName().c_str(), buffer, size); }

void FKDoc::GetTitle(const char* name, char* buffer, std::size_t size) const {
    if (size == 0) return;
    std::string caption = name ? name : "";
    if (info_) {
        char title[kMaxTitle + 1] = "";
        info_->GetEntry("Title", kPTextText, title, sizeof title);
        if (title[0] != '\0') {
            if (!caption.empty()) caption += " for ";
            caption += title;
        }
    }
    const std::size_t length = std::min(caption.size(), size - 1);
    std::memcpy(buffer, caption.data(), length);
    buffer[length] = '\0';
}

void FKDoc::BringToFront() {
    if (frontEnd_) application_->SelectWindow(frontEnd_);
}

bool FKDoc::CanCloseWindow(TWindow* window, bool force) {
    return window != frontEnd_ || CloseOtherWindows(force);
}

void FKDoc::DeleteWindow(TWindow* window) {
    const bool frontEnd = window == frontEnd_;
    TDoc::DeleteWindow(window);
    if (frontEnd) frontEnd_ = nullptr;
}

bool FKDoc::CloseOtherWindows(bool force) {
    for (std::int32_t i = GetWindowCount() - 1; i >= 0; --i) {
        TWindow* window = GetWindow(i);
        if (!window || window == frontEnd_) continue;
        if (!force && !window->AllowClose()) return false;
        if (!TDoc::CloseWindow(window, force, true)) return false;
    }
    return true;
}

void FKDoc::GetDefaultWindowRect(ShortRect& rect) const { rect = ShortRect{20, 20, 356, 546}; }

// By the story point's id, so that a derived point (the impact character's resolve) reads as the
// storyform derives it.
std::int16_t FKDoc::GetStoryPointValue(int index) {
    const StoryPointRecord* row = StoryPointAt(index);
    return storyForm_ && row ? storyForm_->GetValue(row->id) : 0;
}

std::int16_t FKDoc::GetSettledStoryPointValue(int index) {
    return storyForm_ ? storyForm_->GetSettledStoryPoints().ValueAt(index) : 0;
}

PText* FKDoc::GetPreferencesRecord() const {
    PreferencesManager* preferences = GetFablecore()->GetPreferencesManager();
    return preferences ? preferences->GetGeneralRecord() : nullptr;
}

CastListView* FKDoc::GetFrontCastList() const {
    const TWindow* front = application_->GetFrontWindow();
    if (!front) return nullptr;
    switch (front->GetClassId()) {
        case kCLWindowClassId: return GetCharListCastView();
        case kBCWindowClassId: return GetBuildCastView();
        case kCastingWindowClassId: return GetCastingCastView();
        default: return nullptr;
    }
}

std::uint16_t FKDoc::GetStoryformCount() const {
    return storyForm_ ? storyForm_->GetStoryformCount() : StoryFormManager::kAllStoryforms;
}

void FKDoc::SetStoryformCount(std::uint16_t count) {
    if (storyForm_) storyForm_->SetStoryformCount(count);
}

bool FKDoc::IsStoryformComplete() const {
    return storyForm_ && storyForm_->GetStructuresValid() != 0 &&
           storyForm_->GetStoryformCount() == StoryFormManager::kOneStoryform;
}

void FKDoc::RebuildThroughlines() {
    if (storyForm_) storyForm_->RebuildThroughlineStructures();
}

void FKDoc::ClearStorytelling() {
    if (!info_) return;
    GetFablecore()->CloseStoryViewsAndPlot();
    storytelling_->Clear();
    for (std::size_t i = 0; i < kSynopsisCount; ++i) {
        questionStatus_.SetStatus(kQuestionOpen, kSynopsisTopics[i], 0);
        info_->Remove(kSynopsisKeys[i]);
    }
    characters_->ClearStorytellingTexts();
    {
        const BroadcasterBracket bracket(scenes_.get());
        for (std::int32_t position = scenes_->GetSceneCount() - 1; position >= 0; --position)
            scenes_->DeleteScene(position);
    }
    // The questions about characters, further story points, illustrations and scenes are open again,
    // in every context they were asked in.
    for (const TopicRecord& topic : kTopicTable) {
        if (IsStorytellingTopic(topic.kind)) questionStatus_.SetTopicStatus(kQuestionOpen, topic.id);
    }
    SetDirty();
}

// The story's own windows close first (their edits are then in the story), then the records and
// managers go; nothing is saved.
void FKDoc::BeforeCloseFile() {
    if (!info_ || !store_) return;
    Broadcast(FKDocEvent::kClosing);
    const PFMFileScope story(store_, true);
    ReleaseStoryData();
}

void FKDoc::ReleaseStoryData() {
    scenes_.reset();
    storyForm_.reset();
    characters_.reset();
    responses_.reset();
    storytelling_.reset();
    locks_.reset();
    info_.reset();
}

ErrCode FKDoc::CommitWindows() {
    if (const ErrCode error = TDoc::CommitWindows(); error != kNoErr) return error;
    if (!info_) return kNoErr;
    ErrCode first = kNoErr;
    const auto keep = [&first](ErrCode error) {
        if (first == kNoErr && error < 0) first = error;
    };
    keep(characters_->SaveCharacters());
    keep(scenes_->SaveScenes());
    keep(storyForm_->SaveChoices());
    // A damaged record may hold these keys with another type: the story's numbers take their place.
    const auto keepNumber = [&](const char* key, std::uint16_t value) {
        if (!WriteRecordNumber(*info_, key, static_cast<std::int16_t>(value))) keep(kPTextErrTypeMismatch);
    };
    keepNumber("NmStories", storyForm_->GetStoryformCount());
    keepNumber("IsJust", storyForm_->GetStructuresValid());
    for (PText* record : {responses_.get(), info_.get(), storytelling_.get(), locks_.get()}) keep(record->Save());
    keep(questionStatus_.Save(store_));
    return first;
}

// The windows that show the story's managers close first, as the managers are made again. A story
// that never had a file has nothing to go back to and is left as it is. A revert that fails part
// way leaves the story changed: it is then neither what the writer had nor what the file holds, and
// closing it must still ask.
ErrCode FKDoc::Revert() {
    if (!store_ || !info_) return TDoc::Revert();
    if (!PFMGetFileRef(store_).IsValid()) return kFileNotFoundErr;
    if (!CloseOtherWindows(true)) return kNoErr;
    Broadcast(FKDocEvent::kClosing);
    {
        const PFMFileScope story(store_, true);
        ReleaseStoryData();
    }
    ErrCode error = TDoc::Revert();
    questionStatus_.Clear();
    const ErrCode loaded = InitStoryData();
    if (error == kNoErr) error = loaded;
    if (error != kNoErr) SetDirty();
    if (frontEnd_) frontEnd_->BuildContents();
    UpdateWindowTitles();
    if (info_) Broadcast(FKDocEvent::kOpened);
    return error;
}
