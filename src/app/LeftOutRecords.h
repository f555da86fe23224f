#pragma once
// What the open of a story says of the records its file's map listed a second time under one key:
// one line for each, naming what the record holds in the writer's words.

#include <string>
#include <vector>

#include "foundation/pfm/PFMFormat.h"

std::vector<std::string> DescribeLeftOutRecords(const SegmentMap& records);
