#include "storywindows/StoryPointList.h"

#include "app/FKDoc.h"
#include "foundation/pfm/PText.h"
#include "storymodel/ExpandedTextWrap.h"
#include "storymodel/FablecoreStringConverter.h"
#include "storymodel/RecordText.h"
#include "storymodel/engine/StoryPointTable.h"
#include "storymodel/engine/StoryPointValues.h"
#include "storywindows/StoryWindowSupport.h"

namespace {

// The headings of the blocks: the dynamics and their appreciations, then the four throughlines.
constexpr const char* kHeadings[] = {"Dynamics", "{NObje} Story", "Main Character", "{NObst} Character",
                                     "{NSubj} Story"};

// The block a row belongs to: 0 before the first throughline, else 1-4.
int BlockOf(int index) {
    int block = 0;
    for (int first : kThroughlineFirstIndex)
        if (index >= first) ++block;
    return block;
}

}  // namespace

std::string ValueWords(std::int16_t value, int index) {
    if (value == 0) return "";
    if (value == -1) return "(several)";
    return StoryPointValueText(index, value);
}

std::string StoredStorytelling(FKDoc& story, int index) {
    const StoryPointRecord* row = StoryPointAt(index);
    if (!row || !row->code || !story.HasRecords()) return "";
    return RecordText(story.GetStorytellingRecord(), row->code);
}

bool WriteStorytelling(FKDoc& story, int index, const std::string& stored) {
    const StoryPointRecord* row = StoryPointAt(index);
    if (!row || !row->code || !story.HasRecords()) return false;
    PText& record = story.GetStorytellingRecord();
    const bool changed = stored.empty() ? record.HasKey(row->code) && record.Remove(row->code) == kNoErr
                                        : WriteRecordText(record, row->code, stored.c_str()) > 0;
    if (changed) {
        story.SetDirty();
        story.StorytellingChanged();
    }
    return changed;
}

StoryPointLine DescribeStoryPoint(FKDoc& story, int index) {
    StoryPointLine line;
    const StoryPointRecord* row = StoryPointAt(index);
    if (!row || !row->code) return line;
    line.index = index;
    // A point of the story as a whole is named as the story's, whichever block holds its row.
    const std::string name = StoryPointDisplayName(*row);
    line.name = ExpandAndDecode(
        &story, (IsWholeStoryPoint(index) ? std::string(kWholeStoryName) + " " + name : name).c_str());
    line.value = ValueWords(story.GetStoryPointValue(index), index);
    line.storytelling = Decoded(StoredStorytelling(story, index));
    return line;
}

std::vector<StoryPointLine> ListStoryPoints(FKDoc& story) {
    std::vector<StoryPointLine> lines;
    int block = -1;
    for (int index = 0; index < kStoryPointCount; ++index) {
        StoryPointLine line = DescribeStoryPoint(story, index);
        if (line.index < 0) continue;
        if (BlockOf(index) != block) {
            block = BlockOf(index);
            StoryPointLine heading;
            heading.name = ExpandAndDecode(&story, kHeadings[block]);
            lines.push_back(std::move(heading));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}
