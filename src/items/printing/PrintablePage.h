#pragma once
// A printed page: a header, a body and a footer, and the page's number. The header and footer are
// measured first and keep their height unless the body would get less than its minimum (half the
// page), when they give way in proportion to what they can give. A numbered page keeps the run's
// page number in its progress record, so the banners of each page show its number.

#include <cstdint>
#include <memory>

#include "items/printing/Printable.h"

class PrintPageProgress : public TPrintProgress {
public:
    PrintPageProgress(ProgressPtr header, ProgressPtr body, ProgressPtr footer, std::int32_t pageNumber)
        : header(std::move(header)),
          body(std::move(body)),
          footer(std::move(footer)),
          pageNumber(pageNumber) {}
    ProgressPtr Clone() const override;

    ProgressPtr header;
    ProgressPtr body;
    ProgressPtr footer;
    std::int32_t pageNumber;
};

class PrintablePage : public IPrintableObject, public MPrintingEnvironmentAware {
public:
    // Any part may be none.
    PrintablePage(PrintingEnvironment* environment, PrintablePtr header, PrintablePtr footer,
                  PrintablePtr body);

    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;
    virtual std::int32_t GetMaxHeaderHeight(std::int32_t pageHeight) const { return pageHeight; }
    virtual std::int32_t GetMinHeaderHeight() const { return 0; }
    virtual std::int32_t GetMaxFooterHeight(std::int32_t pageHeight) const { return pageHeight; }
    virtual std::int32_t GetMinFooterHeight() const { return 0; }
    virtual std::int32_t GetMinBodyHeight(std::int32_t pageHeight) const { return pageHeight / 2; }

    void SetNumbered(std::uint16_t numbered) { numbered_ = numbered; }
    LongPoint GetPageSize() const { return pageSize_; }

    struct Bands {
        std::int32_t header = 0;
        std::int32_t body = 0;
        std::int32_t footer = 0;
    };
    // The heights of the three bands of a page of the size.
    Bands LayoutBands(std::int32_t width, std::int32_t height, const TPrintProgress* headerProgress,
                      const TPrintProgress* footerProgress);

private:
    // The height the band uses from the top of the area, measured; 0 for none.
    std::int32_t MeasureBand(IPrintableObject* band, const TPrintProgress* progress, const LongRect& area);

    PrintablePtr header_;
    PrintablePtr body_;
    PrintablePtr footer_;
    LongPoint pageSize_;
    std::uint16_t numbered_ = 1;
    std::uint16_t restartNumbering_ = 1;
};
