#include "datafiles/SourceKind.h"

void SourceKind::RefuseOptions(SourceReader& reader, const SegmentHeader& header) {
    for (const std::string& option : header.options) {
        reader.Error(reader.HeaderLine(),
                     "unknown header word " + option + " for a '" + header.kind + "' source");
    }
}
