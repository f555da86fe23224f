#pragma once
// The margin above a table that shows one heading per column, lined up with the cells of a chosen
// row, draws separators and a bottom line, and lets the user drag column edges to resize columns
// (through the table's column layout). Each ruler subclass makes its own heading objects in
// MakeHeading; ColumnSelectHeading is a heading whose click selects its whole column.

#include <cstdint>
#include <memory>

#include "widgets/ViewMargin.h"

class TRow;
class TTable;

// Ruler flags.
inline constexpr std::uint16_t kRulerBottomLine = 0x01;
inline constexpr std::uint16_t kRulerSeparators = 0x02;

class TableRuler : public ViewMargin {
public:
    // A margin over the row's table; no headings until BuildHeadings.
    TableRuler(TRow* row, std::int16_t height, std::int16_t width, std::uint16_t flags, std::uint16_t rulerFlags,
               const RGBColor& backColor);
    ~TableRuler() override;

    // A column edge under the point is dragged first; else the heading under it takes the click.
    std::int16_t MouseDown(const MsgEvent& event, ShortPoint point, std::int16_t isDouble) override;
    void UpdateCursor() override;
    void DrawContent(TGraphEnv& env, std::int32_t x, std::int32_t y, const ShortRect& updateRect) override;

    virtual void SetRulerFlags(std::uint16_t mask) { rulerFlags_ |= mask; }
    // The row whose cells give the columns; once that row is gone, the table's first row.
    virtual TRow* GetDefaultRow();
    // Each subclass makes its heading for the column and adds it (AddViewObject).
    virtual void MakeHeading(std::int32_t /*column*/, const LongRect& /*rect*/) {}
    virtual void DrawBottomLine(TGraphEnv& env);

    // The headings again, one per cell of the row (the default row when null).
    void BuildHeadings(TRow* row);
    // The object joins the headings; its index, or -1 (it is then the caller's).
    std::int32_t AddViewObject(ViewObject* object);
    std::int32_t HeadingCount() const;
    ViewObject* GetHeading(std::int32_t i) const;
    // The table tells the ruler that a row is going.
    void ForgetRow(const TRow* row);
    TTable* GetTable() const;
    std::uint16_t GetRulerFlags() const { return rulerFlags_; }

private:
    void DeleteHeadings();

    RGBColor backColor_;
    TRow* row_;
    ViewObjectList* headings_ = nullptr;
    std::uint16_t rulerFlags_;
};

// A heading whose click selects its column over every row; it shows the cross cursor.
class ColumnSelectHeading : public TextViewObject {
public:
    using TextViewObject::TextViewObject;

    std::int16_t MouseDown(const MsgEvent& event, ShortPoint point, std::int16_t isDouble) override;
    void SetCursorRegion() override;
};
