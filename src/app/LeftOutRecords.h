#pragma once
// What the open of a story says of the records its file's map listed a second time under one key or
// under another key than their own,
// and of the records whose contents were damaged, in part or whole: one line for each, naming what
// the record holds in the writer's words.

#include <functional>
#include <string>
#include <vector>

#include "foundation/pfm/PFMFormat.h"
#include "foundation/pfm/PFMKey.h"

class PFMFile;
struct StrayRecord;

std::vector<std::string> DescribeLeftOutRecords(const SegmentMap& records);
// `name` gives the record's own scene or character as the writer knows it, or the empty text.
std::vector<std::string> DescribeDamagedRecords(const std::vector<PFMSegmentKey>& records,
                                                const std::function<std::string(PFMSegmentKey)>& name);
// The records a damaged map listed under another key, read again under their own (StrayRecords.h).
std::vector<std::string> DescribeStrayRecords(const std::vector<StrayRecord>& records,
                                              const std::function<std::string(PFMSegmentKey)>& name);
// The same for records whose damage was mended with every part of them kept.
std::vector<std::string> DescribeMendedRecords(const std::vector<PFMSegmentKey>& records,
                                               const std::function<std::string(PFMSegmentKey)>& name);
// The records the store's file left off its map, read from past its end, those whose size was
// damaged, read by the one their bytes bear out (PFMGetUnlistedRecords, PFMTakeRemeasuredRecords),
// and those whose entry in the map was damaged, read where their bytes bore them out
// (PFMTakeMislistedRecords) or, `renumbered`, under the number the story's other records name:
// each read as written, but for those among `damaged` (their contents told there).
std::vector<std::string> DescribeMismappedRecords(PFMFile* store, const std::vector<PFMSegmentKey>& damaged,
                                                  const std::vector<PFMSegmentKey>& renumbered,
                                                  const std::function<std::string(PFMSegmentKey)>& name);
// The same for records of which nothing could be read.
std::vector<std::string> DescribeLostRecords(const std::vector<PFMSegmentKey>& records,
                                             const std::function<std::string(PFMSegmentKey)>& name);
