#pragma once
// The query system's records in the application data file: the question lists ('QLST', numbered by
// list id) and the question pages ('FQS2', numbered by topic id). Their schemas check each record's
// keys; CheckQueryRecords checks the records against each other and against the topic table, so that
// every list leads to pages that exist and every storyform question answers the point its topic row
// names.

#include <vector>

#include "datafiles/Diagnostics.h"
#include "datafiles/QueryTables.h"
#include "datafiles/RecordSchemas.h"
#include "datafiles/Segment.h"

extern const RecordSchema kQuestionListSchema;
extern const RecordSchema kPageSchema;

// The question lists and pages among the segments, checked with the topic table. Without the table
// (null), a store that holds question lists or pages is refused: they cannot be checked.
void CheckQueryRecords(const std::vector<CompiledSegment>& segments, const QueryTables* tables,
                       const SourcePlace& place, Diagnostics& diagnostics);
