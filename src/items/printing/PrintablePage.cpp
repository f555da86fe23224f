#include "items/printing/PrintablePage.h"

#include <algorithm>

#include "items/printing/PrintProgress.h"
#include "items/printing/PrintingEnvironment.h"

ProgressPtr PrintPageProgress::Clone() const {
    return std::make_unique<PrintPageProgress>(CloneProgress(header.get()), CloneProgress(body.get()),
                                               CloneProgress(footer.get()), pageNumber);
}

PrintablePage::PrintablePage(PrintingEnvironment* environment, PrintablePtr header, PrintablePtr footer,
                             PrintablePtr body)
    : MPrintingEnvironmentAware(environment),
      header_(std::move(header)),
      body_(std::move(body)),
      footer_(std::move(footer)) {}

std::int32_t PrintablePage::MeasureBand(IPrintableObject* band, const TPrintProgress* progress,
                                        const LongRect& area) {
    if (!band) return 0;
    const MeasuringScope measuring(*GetEnvironment());
    LongPoint size;
    std::int32_t placed = 0;
    band->Print(area, CloneProgress(progress), size, placed);
    return size.y;
}

PrintablePage::Bands PrintablePage::LayoutBands(std::int32_t width, std::int32_t height,
                                                const TPrintProgress* headerProgress,
                                                const TPrintProgress* footerProgress) {
    Bands bands;
    bands.header = std::max(MeasureBand(header_.get(), headerProgress,
                                        LongRect{0, 0, width, std::min(height, GetMaxHeaderHeight(height))}),
                            GetMinHeaderHeight());
    bands.footer = std::max(MeasureBand(footer_.get(), footerProgress,
                                        LongRect{0, 0, width, std::min(height, GetMaxFooterHeight(height))}),
                            GetMinFooterHeight());
    const std::int32_t minimum = GetMinBodyHeight(height);
    std::int32_t body = height - bands.header - bands.footer;
    if (body < minimum) {
        const std::int32_t need = minimum - body;
        std::int32_t giveHeader = std::max(0, bands.header - GetMinHeaderHeight());
        std::int32_t giveFooter = std::max(0, bands.footer - GetMinFooterHeight());
        if (giveHeader + giveFooter < need) {
            giveHeader = bands.header;
            giveFooter = bands.footer;
        }
        if (giveHeader + giveFooter < need) {
            bands.header = bands.footer = 0;
        } else {
            const std::int32_t fromHeader =
                static_cast<std::int32_t>(std::int64_t{need} * giveHeader / (giveHeader + giveFooter));
            bands.header -= fromHeader;
            bands.footer -= need - fromHeader;
        }
    }
    bands.body = height - bands.header - bands.footer;
    return bands;
}

ProgressPtr PrintablePage::Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                                 std::int32_t& placed) {
    PrintingEnvironment& environment = *GetEnvironment();
    pageSize_ = LongPoint{Width(area), Height(area)};
    std::int32_t pageNumber = numbered_ && restartNumbering_ ? 1 : environment.GetPageNumber();
    ProgressPtr headerProgress, bodyProgress, footerProgress;
    if (auto record = TakeProgress<PrintPageProgress>(std::move(progress))) {
        headerProgress = std::move(record->header);
        bodyProgress = std::move(record->body);
        footerProgress = std::move(record->footer);
        pageNumber = record->pageNumber;
    }
    if (numbered_) environment.SetPageNumber(pageNumber);

    const Bands bands = LayoutBands(pageSize_.x, pageSize_.y, headerProgress.get(), footerProgress.get());
    const std::int32_t placedIn = placed;
    std::int32_t flag = placedIn;
    size = LongPoint{};
    if (body_) {
        const LongRect bodyArea{area.left, area.top + bands.header, area.right, area.bottom - bands.footer};
        LongPoint bodySize;
        bodyProgress = body_->Print(bodyArea, std::move(bodyProgress), bodySize, flag);
        size.y = bands.header + bodySize.y;
    }
    if (!bodyProgress || flag == 1) {
        LongPoint bandSize;
        if (header_) {
            std::int32_t bandPlaced = 0;
            headerProgress =
                header_->Print(LongRect{area.left, area.top, area.right, area.top + bands.header},
                               std::move(headerProgress), bandSize, bandPlaced);
        }
        bandSize = LongPoint{};
        if (footer_) {
            std::int32_t bandPlaced = 0;
            footerProgress =
                footer_->Print(LongRect{area.left, area.bottom - bands.footer, area.right, area.bottom},
                               std::move(footerProgress), bandSize, bandPlaced);
        }
        size.y = Height(area) - bands.footer + bandSize.y;
    }
    ProgressPtr result;
    if (bodyProgress && (flag == 1 || placedIn == 1)) {
        if (numbered_) ++pageNumber;
        result = std::make_unique<PrintPageProgress>(std::move(headerProgress), std::move(bodyProgress),
                                                     std::move(footerProgress), pageNumber);
    }
    if (numbered_) size.y = Height(area);
    size.x = Width(area);
    placed = flag;
    return result;
}
