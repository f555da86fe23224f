#include "datafiles/Diagnostics.h"

std::string DescribePlace(const SourcePlace& place) {
    return place.line > 0 ? place.file + ":" + std::to_string(place.line) : place.file;
}

void Diagnostics::Error(const SourcePlace& place, const std::string& message) {
    messages_.push_back(DescribePlace(place) + ": " + message);
}
