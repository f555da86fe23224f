// Question lists and page records as the query system reads them from the application data file,
// and the rows a story remembers for its lists. The input is a list id (16 bits), a position (16
// bits), then segments, each a kind byte (question list, question page, the story's responses
// record), a 16-bit id, a 16-bit length and the bytes. Whatever they hold, the list read is expanded
// against a story of characters, a relationship and scenes within the rows a list can number, the
// row shown lies within the list, and every page record reads as a class code, possibly none.

#include <cstring>
#include <string>

#include "FuzzStory.h"
#include "foundation/pfm/PFM.h"
#include "query/data/FQSPageDataList.h"
#include "query/data/PageClasses.h"
#include "query/data/QuestionList.h"
#include "query/data/QuestionListExpansion.h"
#include "query/data/QuestionStatus.h"

namespace {

constexpr FourCC kKinds[] = {FourCCOf("QLST"), FourCCOf("FQS2"), FourCCOf("RESP")};

void Put(PFMFile* store, FourCC type, std::uint16_t id, std::string_view bytes) {
    const PFMFileScope scope(store, false);
    void* block = MemAlloc(static_cast<std::uint32_t>(bytes.size()));
    FUZZ_CHECK(block != nullptr || bytes.empty());
    if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
    FUZZ_CHECK(PFMPutSegment(type, id, block, 1, false));
    FUZZ_CHECK(PFMCheckIn(block) == kNoErr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzApplication();
    FuzzInput input(data, size);
    const auto listId = static_cast<std::int16_t>(input.Short());
    const auto position = static_cast<std::int16_t>(input.Short());
    PFMFile* lists = PFMOpenFile(nullptr);
    PFMFile* story = PFMOpenFile(nullptr);
    FUZZ_CHECK(lists && story);
    while (!input.Empty()) {
        const std::size_t kind = input.Byte() % std::size(kKinds);
        const std::uint16_t id = input.Short();
        Put(kind == 2 ? story : lists, kKinds[kind], kind == 2 ? 0 : id, input.Bytes(input.Short()));
    }
    {
        StandInStory document(story);
        FUZZ_CHECK(document.LoadCharacters() == kNoErr);
        CharacterManager& characters = document.Characters();
        characters.CreateCharacter("Ann", 0, 1, 0, 0, false);
        characters.GetCharacter(characters.GetMainCharacter())->SetRelationship("met", characters.IdAt(0));
        document.Scenes().InsertScene(-1);
        document.Scenes().InsertScene(-1);
        PText responses(story, FourCCOf("RESP"), 0);
        QuestionStatus status;
        const QueryStory query{&document, &characters, &document.Scenes(), &responses, &status};

        FQSPageDataList list(query);
        const LoadedQuestionList loaded = LoadQuestionList(lists, listId, position < 0 ? -1 : position, list);
        FUZZ_CHECK(static_cast<std::size_t>(list.Count()) <= kMaxListEntries);
        FUZZ_CHECK(loaded.listId == listId || loaded.listId == kDefaultList);
        if (list.Count() == 0) {
            FUZZ_CHECK(loaded.row == 0 && loaded.topic == -1);
        } else {
            FUZZ_CHECK(loaded.row >= 0 && loaded.row < list.Count());
            FUZZ_CHECK(loaded.topic == list.At(loaded.row)->GetTopic());
        }
        GetListName(lists, listId, &document);
        const std::int16_t first = list.Count() > 0 ? list.At(0)->GetTopic() : -1;
        const PageRecord page = FindPageRecord(lists, loaded.topic, first);
        FUZZ_CHECK(page.record != nullptr);
        FUZZ_CHECK(!page.missing || page.classCode == kDefaultPageClass);
        PageKindForClass(page.classCode);
        ReadListPosition(&responses, listId);
        ListToOpen(0, &responses);
    }
    PFMCloseFile(story);
    PFMCloseFile(lists);
    return 0;
}
