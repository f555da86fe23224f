#include "reports/PrintableHeadedTable.h"

#include <utility>

#include "items/printing/PrintingEnvironment.h"

namespace {

// Where the body goes on; the header always starts again.
class HeadedTableProgress : public TPrintProgress {
public:
    explicit HeadedTableProgress(ProgressPtr body) : body(std::move(body)) {}
    ProgressPtr Clone() const override {
        return std::make_unique<HeadedTableProgress>(body ? body->Clone() : nullptr);
    }
    ProgressPtr body;
};

}  // namespace

PrintableHeadedTable::PrintableHeadedTable(PrintingEnvironment* environment, PrintablePtr header,
                                           PrintablePtr body)
    : MPrintingEnvironmentAware(environment), header_(std::move(header)), body_(std::move(body)) {}

ProgressPtr PrintableHeadedTable::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                        std::int32_t& placed) {
    ProgressPtr bodyProgress;
    if (auto record = TakeProgress<HeadedTableProgress>(std::move(progress)))
        bodyProgress = std::move(record->body);
    size = LongPoint{Width(area), 0};
    if (!body_) return nullptr;

    // The header's height, measured whatever the run is doing.
    LongPoint headerSize;
    if (header_) {
        const MeasuringScope measuring(*GetEnvironment());
        std::int32_t headerPlaced = 0;
        header_->Print(area, nullptr, headerSize, headerPlaced);
    }
    const LongRect bodyArea{area.left, area.top + headerSize.y, area.right, area.bottom};
    LongPoint bodySize;
    std::int32_t flag = placed;
    bool finished = false;
    if (Height(bodyArea) > 0) {
        bodyProgress = body_->Print(bodyArea, std::move(bodyProgress), bodySize, flag);
        finished = !bodyProgress;
    }
    if (flag == 1) {
        if (header_) {
            LongPoint drawn;
            std::int32_t headerPlaced = 0;
            header_->Print(LongRect{area.left, area.top, area.right, area.top + headerSize.y}, nullptr, drawn,
                           headerPlaced);
        }
        size.y = headerSize.y + bodySize.y;
    }
    placed = flag;
    if (finished) return nullptr;
    return std::make_unique<HeadedTableProgress>(std::move(bodyProgress));
}
