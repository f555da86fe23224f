#pragma once
// Word-wrapped styled text on paper. The text is wrapped once, to the width of the first area it is
// printed in, always measured with the printer's own metrics (so that lines break on every page,
// in the preview and in measuring passes, where they break on paper), and drawn line by line: a
// page takes the lines that fit, and the progress record says which line the next page starts with.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "items/TextWrap.h"
#include "items/printing/Printable.h"

// A wrap that lays out with the application's printer context, whatever graph it is given; without
// a printer it lays out nothing. A word too wide for its line is cut with a hyphen.
class PrintableTextTW : public TextWrap {
public:
    PrintableTextTW(PrintingEnvironment* environment, ShortRect& rect, const char* text,
                    const win::LOGFONTA& font);

    void Layout(TGraphEnv& env, const char* text) override;

private:
    PrintingEnvironment* environment_;
};

// Where a text goes on: the next line to print (32-bit, so that no text is long enough to start
// again at its first line).
class PrintableTextProgress : public TPrintProgress {
public:
    explicit PrintableTextProgress(std::uint32_t line) : line_(line) {}
    ProgressPtr Clone() const override { return std::make_unique<PrintableTextProgress>(line_); }
    std::uint32_t GetLine() const { return line_; }

private:
    std::uint32_t line_;
};

class PrintableText : public IPrintableObject, public MPrintingEnvironmentAware {
public:
    // The text is copied (none prints nothing); the font record is in screen pixels.
    PrintableText(PrintingEnvironment* environment, const char* text, const win::LOGFONTA& font);
    ~PrintableText() override;

    // Lines that do not fit go on next page; a form feed ends the page. A text that cannot be laid
    // out (a character wider than the area) sets the environment's status to -39.
    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;

    // 0 left, 1 centred, -1 right.
    void SetAlignment(std::int32_t alignment) { alignment_ = alignment; }
    std::int32_t GetAlignment() const { return alignment_; }
    // The wrap, made by the first Print.
    const PrintableTextTW* GetWrap() const { return wrap_.get(); }

private:
    std::int32_t alignment_ = 0;
    std::optional<std::string> text_;
    std::unique_ptr<PrintableTextTW> wrap_;
    win::LOGFONTA font_;
};
