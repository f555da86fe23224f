#include "query/data/TopicTable.h"

const TopicRecord* TopicAt(int topic) {
    return topic >= 0 && topic < kTopicCount ? &kTopicTable[static_cast<std::size_t>(topic)] : nullptr;
}

std::int16_t TopicKindOf(int topic) {
    const TopicRecord* row = TopicAt(topic);
    return row ? row->kind : -1;
}
