#pragma once
// A page header or footer: one line of text in three parts, at the left, centred and at the right.
// Codes after '^' split and fill it: "^<", "^|" and "^>" end the text so far as the left, centred
// or right part; "^V" is the program's version, "^D" the date and time, "^P" the page number, "^^"
// a caret; a subclass may add codes of its own (ExpandCode). Text left at the end goes to the left
// part, and a code nobody knows prints as it stands.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "items/printing/Printable.h"
#include "platform/gdi/GdiTypes.h"

class PrintableBanner : public IPrintableObject, public MPrintingEnvironmentAware {
public:
    using Parts = std::array<std::string, 3>;

    PrintableBanner(PrintingEnvironment* environment, const char* text, const win::LOGFONTA& font);

    // Draws the parts from the top of the area; never goes on to another page.
    ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                      std::int32_t& placed) override;
    // The size of each part and of the working text, its end included.
    virtual std::size_t GetPartSize() const { return 100; }
    virtual bool IsDateCode(char c) const { return c == 'D' || c == 'd'; }
    virtual bool IsPageCode(char c) const { return c == 'P' || c == 'p'; }
    virtual bool SplitsParts() const { return true; }
    // Appends a code's text (at most room - 1 characters) to the output; answers the characters of
    // the code taken (from code on), 0 when it is no code of this banner.
    virtual std::size_t ExpandCode(const char* /*code*/, std::string& /*output*/, std::size_t /*room*/) {
        return 0;
    }
    // Runs on the three parts once they are made.
    virtual void FinishParts(Parts& /*parts*/) {}

    // The banner's text cut into its three parts, codes expanded.
    Parts SplitBanner();

private:
    std::string text_;
    win::LOGFONTA font_;
};

// The program's product version, from the program file's version block; empty when it has none.
std::string ProgramVersionText();
