#pragma once
// What the printing tests share: an application whose print record has the default printer's
// context (the PDF file printer, Letter paper, one-inch margins), a measuring graph that records
// the text drawn on it, and printables made to measure.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/AppEnvironment.h"
#include "framework/TAppl.h"
#include "framework/graphics/FontMapping.h"
#include "items/printing/PrintGraph.h"
#include "items/printing/PrintRecord.h"
#include "items/printing/Printable.h"
#include "items/printing/PrintingEnvironment.h"
#include "platform/sys/TempFolder.h"
#include "support/ScopedEnv.h"

namespace printtest {

// A line of text drawn: its text and where its baseline started.
struct DrawnText {
    std::string text;
    int x = 0;
    int y = 0;
};

// A measuring graph that keeps every run of text drawn on it.
class RecordingGraph : public GarbageGraph {
public:
    void TextOutAligned(const char* text, std::int32_t first, std::int16_t count) override {
        const ShortPoint pen = GetPenPosition();
        drawn.push_back({std::string(text + first, static_cast<std::size_t>(count)), pen.x, pen.y});
        GarbageGraph::TextOutAligned(text, first, count);
    }
    std::vector<DrawnText> drawn;
};

// An application of nothing but its print record, with a configuration folder of its own (where the
// system profile names the default printer).
class PrintingApplication {
public:
    PrintingApplication() {
        previous_ = SetAppEnvironment(&environment_);
        application_ = std::make_unique<TAppl>(&environment_);
        application_->SetPrintRecord(&record);
        EXPECT_EQ(record.CreatePrinterDC(), kNoErr);
        record.SetMargins(72, 72, 72, 72);
    }
    ~PrintingApplication() {
        application_->SetPrintRecord(nullptr);
        application_.reset();
        SetAppEnvironment(previous_);
    }

    PrintRecord record;

private:
    TempFolder configuration_;
    ScopedEnv ownConfiguration_{"XDG_CONFIG_HOME", configuration_.Path()};
    AppEnvironment environment_;
    AppEnvironment* previous_ = nullptr;
    std::unique_ptr<TAppl> application_;
};

// A block of `units` units of height that prints as much of itself as the area holds, a unit at a
// time (or, when whole, all of itself or nothing); it notes every area it was given and whether it
// was measured.
class Block : public IPrintableObject {
public:
    struct Call {
        LongRect area;
        std::int32_t from = 0;
        std::int32_t printed = 0;
        bool measuring = false;
    };
    class Progress : public TPrintProgress {
    public:
        explicit Progress(std::int32_t done) : done(done) {}
        ProgressPtr Clone() const override { return std::make_unique<Progress>(done); }
        std::int32_t done;
    };

    Block(PrintingEnvironment* environment, std::int32_t units, std::int32_t width = 0, bool whole = false)
        : environment_(environment), units_(units), width_(width), whole_(whole) {}

    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override {
        const auto record = TakeProgress<Progress>(std::move(progress));
        const std::int32_t from = record ? record->done : 0;
        std::int32_t fits = std::max(0, std::min(units_ - from, Height(area)));
        if (whole_ && fits < units_ - from) fits = 0;
        calls.push_back({area, from, fits, environment_ && environment_->IsMeasuring()});
        size = LongPoint{width_ ? width_ : Width(area), fits};
        placed = fits > 0 || units_ == 0 ? 1 : 0;
        if (from + fits < units_) return std::make_unique<Progress>(from + fits);
        return nullptr;
    }

    std::vector<Call> calls;

private:
    PrintingEnvironment* environment_;
    std::int32_t units_;
    std::int32_t width_;
    bool whole_;
};

inline win::LOGFONTA BodyFont(int pointSize = 10) {
    win::LOGFONTA font;
    MakeLogFont(font, 2, static_cast<std::int16_t>(pointSize), 0);
    return font;
}

}  // namespace printtest
