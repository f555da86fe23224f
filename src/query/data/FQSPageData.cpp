#include "query/data/FQSPageData.h"

void FQSPageData::MergeFrom(const FQSPageData& source) {
    FillFrom(source);
    if (topic_ == -1) topic_ = source.topic_;
    if (level_ == -1) level_ = source.level_;
    if (flags_ == 0) flags_ = source.flags_;
}
