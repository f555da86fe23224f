#include "storymodel/Scene.h"

#include <charconv>
#include <string_view>

#include "foundation/pfm/PFM.h"
#include "foundation/pfm/PText.h"
#include "foundation/pfm/PTextTypes.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/RecordText.h"
#include "storymodel/SceneManager.h"
#include "storymodel/StoryRecords.h"
#include "storymodel/TextHelpers.h"
#include "storymodel/engine/InclApprList.h"

namespace {
constexpr FourCC kSceneType = FourCCOf("SCNL");
constexpr int kLastSceneID = 0x7FFF;
}  // namespace

Scene::Scene(SceneManager& manager, std::int16_t id) : manager_(manager), id_(id) {}

Scene::~Scene() = default;

PText* Scene::Record() {
    if (!record_) {
        ErrCode error = kNoErr;
        auto record = std::make_unique<PText>(manager_.StoryFile(), kSceneType,
                                              static_cast<std::uint16_t>(id_), &error);
        if (error == kNoErr || error == kPTextErrNoRecord) record_ = std::move(record);
    }
    return record_.get();
}

bool Scene::LoadRecord() {
    StoryRecord opened = OpenStoryRecord(manager_.StoryFile(), kSceneType, static_cast<std::uint16_t>(id_));
    if (opened.error == kNoErr || opened.error == kPTextErrNoRecord) record_ = std::move(opened.record);
    return record_ && !opened.lost;
}

void Scene::ReplaceUnreadableRecord() {
    {
        const PFMFileScope scope(manager_.StoryFile(), false);
        PFMRemoveSegment(kSceneType, static_cast<std::uint16_t>(id_));
    }
    record_ = std::make_unique<PText>(manager_.StoryFile(), kSceneType, static_cast<std::uint16_t>(id_));
}

std::optional<std::int16_t> Scene::NumberInKey(std::string_view key) {
    for (const std::string_view stem : {kTitleKey, kDescriptionKey, kAppreciationTextKey}) {
        if (!key.starts_with(stem)) continue;
        // The number as the key is written: decimal, from 1, without a leading zero.
        const std::string_view digits = key.substr(stem.size());
        int number = 0;
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error == std::errc() && end == digits.data() + digits.size() && !digits.starts_with('0') &&
            number <= kLastSceneID)
            return static_cast<std::int16_t>(number);
    }
    return std::nullopt;
}

std::optional<std::int16_t> Scene::NamedNumber() const {
    if (!record_ || record_->HasKey(Key(kTitleKey))) return std::nullopt;
    std::optional<std::int16_t> named;
    std::int32_t cursor = 0;
    PTextEntry entry;
    for (std::int32_t found = record_->FirstEntry(cursor, entry); found == kNoErr;
         found = record_->NextEntry(cursor, entry)) {
        const std::optional<std::int16_t> number = NumberInKey(entry.key);
        if (number && named && *named != *number) return std::nullopt;
        if (number) named = number;
    }
    return named != id_ ? named : std::nullopt;
}

bool Scene::TakeNumber(std::int16_t id) {
    record_.reset();
    ErrCode error = kNoErr;
    {
        const PFMFileScope scope(manager_.StoryFile(), false);
        error = MoveRecord({kSceneType, static_cast<std::uint16_t>(id_)},
                           {kSceneType, static_cast<std::uint16_t>(id)});
    }
    if (error == kNoErr) id_ = id;
    return LoadRecord() && error == kNoErr;
}

std::string Scene::Key(const char* stem) const { return stem + std::to_string(id_); }

std::string Scene::Text(const char* stem) {
    PText* record = Record();
    return record ? RecordText(*record, Key(stem)) : std::string();
}

void Scene::CopyText(const char* stem, char* buffer, std::uint32_t size) {
    CopyToBuffer(Text(stem).c_str(), buffer, size);
}

bool Scene::WriteText(const char* stem, const char* text) {
    PText* record = Record();
    if (!record || WriteRecordText(*record, Key(stem), text) <= 0) return false;
    manager_.MarkDocumentChanged();
    return true;
}

void Scene::SetTitle(const char* text) {
    if (WriteText(kTitleKey, text)) manager_.PostEvent(nullptr);
}

void Scene::GetDisplayNameAt(std::int16_t position, char* buffer, std::uint32_t size) {
    char* cursor = buffer;
    std::uint32_t remaining = size;
    // A stored text cut short keeps its escapes whole, so that it reads as the writer typed it.
    const auto appendStored = [&](const std::string& stored) {
        if (remaining == 0) return;
        AppendToBuffer(cursor, stored.substr(0, WholeEscapesLength(stored, remaining - 1)).c_str(),
                       remaining);
    };
    appendStored(manager_.CategoryName());
    if (remaining >= 10) AppendToBuffer(cursor, FormatText(" #%d", position + 1).c_str(), remaining);
    const std::string title = Text(kTitleKey);
    if (remaining >= 4 && !title.empty()) {
        AppendToBuffer(cursor, " - ", remaining);
        appendStored(title);
    }
}

InclApprList& Scene::GetAppreciations() {
    if (!appreciations_) {
        appreciations_ = std::make_unique<InclApprList>(nullptr, false);
        PText* record = Record();
        // A scene that includes none holds no list to read.
        const std::string_view text =
            record ? RecordTextView(*record, InclApprList::kKey) : std::string_view();
        if (!text.empty()) appreciations_->ReadText(std::string(text).c_str());
    }
    return *appreciations_;
}

void Scene::AddAppreciation(const IncludeableAppreciation& appreciation) {
    GetAppreciations().Insert(appreciation);
    manager_.usage_.Add(appreciation);
    manager_.MarkDocumentChanged();
}

void Scene::RemoveAppreciation(const IncludeableAppreciation& appreciation) {
    // Only an appreciation the scene included is uncounted.
    if (!GetAppreciations().Remove(appreciation)) return;
    manager_.usage_.Remove(appreciation);
    manager_.MarkDocumentChanged();
}

void Scene::RemoveCharacter(CharID id) { GetAppreciations().RemoveCharacter(id); }

void Scene::SetPosition(std::int16_t position) {
    position_ = position;
    if (PText* record = Record()) WriteRecordNumber(*record, kPositionKey, position);
}

ErrCode Scene::Save() {
    PText* record = Record();
    if (!record) return kNoErr;
    if (appreciations_) {
        const std::string text = appreciations_->Text();
        if (!text.empty() || record->HasKey(InclApprList::kKey)) {
            WriteRecordText(*record, InclApprList::kKey, text.c_str());
        }
    }
    const ErrCode error = record->Save();
    if (record->WasSaved()) record->ClearFlushedFlag();
    return error;
}
