#pragma once
// The report page of the preferences window ("Report Options"): the story's report margins (shown
// in inches, kept in points in the story's main information record as "RepLtMar", "RepRtMar",
// "RepTopMar" and "RepBotMar") and number of columns ("NumCols", 1 to 3), and the header and footer
// patterns printed on every report page, which are preferences of every story ('REPT'). Two popups
// insert the patterns' codes (author, date, page, ...) at the end of a pattern.
//
// It is the one page that can refuse to be left: the margins are checked against the printer's
// page first (ReportMarginCheck.h).

#include <cstddef>
#include <cstdint>
#include <string>

#include "app/ReportMarginCheck.h"
#include "app/TWorkArea.h"

class EditView;
class Popup;

// One row of the header and footer codes: its caption in the popups, its code in the pattern and
// its token. The separator row has no code.
struct HeaderFooterCode {
    const char* caption;
    const char* code;
    const char* token;
};
inline constexpr std::size_t kHeaderFooterCodeCount = 10;
extern const HeaderFooterCode HeaderFooterCodes[kHeaderFooterCodeCount];

class ReportPrefArea : public TWorkArea {
public:
    // The margin keys of the story's main information record, and their default (an inch).
    static constexpr const char* kLeftKey = "RepLtMar";
    static constexpr const char* kRightKey = "RepRtMar";
    static constexpr const char* kTopKey = "RepTopMar";
    static constexpr const char* kBottomKey = "RepBotMar";
    static constexpr const char* kColumnsKey = "NumCols";
    static constexpr std::int16_t kDefaultMargin = 72;
    static constexpr std::int16_t kMaxColumns = 3;
    // The longest pattern kept.
    static constexpr std::size_t kPatternLength = 99;
    // The most characters of a margin field that are read.
    static constexpr std::size_t kMarginLength = 10;

    using TWorkArea::TWorkArea;
    // Stores the patterns and the columns.
    ~ReportPrefArea() override;

    void BuildItems() override;
    void LoadValues() override;
    // The patterns, and the columns into the story's main record, which is saved (the story then
    // counts as changed when that wrote anything).
    void StoreValues() override;
    void Draw(TGraphEnv& env) override;
    // A code chosen in a code popup goes at the end of its pattern.
    void ItemHit(std::int32_t index) override;
    // The margins checked against the printer; when they pass they go into the story's record.
    std::int16_t CanLeave() override;

    // The points a margin field's text stands for: its inches (0 when empty or no number) times 72,
    // within 0 and the largest 16-bit number.
    static std::int16_t ParseMargin(const std::string& text);
    // The points as the field shows them: inches with two decimals.
    static std::string FormatMargin(std::int16_t points);

    EditView* GetTopField() const { return top_; }
    EditView* GetBottomField() const { return bottom_; }
    EditView* GetLeftField() const { return left_; }
    EditView* GetRightField() const { return right_; }
    Popup* GetColumnsPopup() const { return columns_; }
    EditView* GetHeaderField() const { return header_; }
    EditView* GetFooterField() const { return footer_; }
    Popup* GetHeaderCodes() const { return headerCodes_; }
    Popup* GetFooterCodes() const { return footerCodes_; }
    std::int32_t GetHeaderCodesItem() const { return headerCodesItem_; }
    std::int32_t GetFooterCodesItem() const { return footerCodesItem_; }

private:
    // The margins the fields show.
    ReportMargins FieldMargins() const;
    void ShowMargins(const ReportMargins& margins);
    // A value of the story's main record, written only when it differs from what the record holds.
    void WriteStoryValue(const char* key, std::int16_t value);
    std::int16_t ReadStoryValue(const char* key, std::int16_t fallback) const;
    // The code of the row at the end of the field's text, when the text keeps room for all of it.
    static void AppendCode(EditView& field, std::int32_t row);

    EditView* top_ = nullptr;
    EditView* bottom_ = nullptr;
    EditView* left_ = nullptr;
    EditView* right_ = nullptr;
    Popup* columns_ = nullptr;
    EditView* header_ = nullptr;
    Popup* headerCodes_ = nullptr;
    EditView* footer_ = nullptr;
    Popup* footerCodes_ = nullptr;
    std::int32_t headerCodesItem_ = -1;
    std::int32_t footerCodesItem_ = -1;
};
