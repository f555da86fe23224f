#pragma once
// A logical font object: the record it was created from, and the face and metrics that draw it
// (found on first use).

#include <memory>

#include "platform/gdi/FontFaces.h"
#include "platform/gdi/GdiObject.h"

namespace win::gdi {

class Font : public GdiObject {
public:
    explicit Font(const LOGFONTA& record) : GdiObject(OBJ_FONT), record_(record) {}
    const LOGFONTA& Record() const { return record_; }
    const RealizedFont& Realized() {
        if (!realized_) realized_ = RealizeFont(record_);
        return *realized_;
    }
    const FontMetrics& Metrics() { return Realized().metrics; }

private:
    LOGFONTA record_;
    std::shared_ptr<const RealizedFont> realized_;
};

}  // namespace win::gdi
