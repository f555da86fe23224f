#include "items/TrimBox.h"

#include "foundation/IFile.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemFrames.h"
#include "items/ItemGraphEnv.h"
#include "items/ItemStream.h"

TrimBox::TrimBox(ItemList* list, const ShortRect* bounds, std::uint16_t flags, const RGBColor& color,
                 std::int16_t penWidth, std::int16_t penHeight, std::int32_t fillPattern,
                 std::int32_t framePattern)
    : TItem(list, bounds, flags, color),
      penSize_{LimitPen(penWidth), LimitPen(penHeight)},
      fillPattern_(fillPattern),
      framePattern_(framePattern) {}

TrimBox::TrimBox(ItemList* list, IReadFile& stream, ErrCode* error)
    : TrimBox(list, nullptr, 0, RGBColor(0), 0, 0, 0, 0) {
    if (*error == kNoErr) *error = TrimBox::ReadFrom(stream);
}

std::int16_t TrimBox::LimitPen(std::int16_t value) { return value > 49 ? 10 : value < 0 ? 0 : value; }

ErrCode TrimBox::ReadFrom(IReadFile& stream) {
    ShortPoint pen;
    std::int8_t fill = 0;
    std::int8_t frame = 0;
    ErrCode error = TItem::ReadFrom(stream);
    if (!error) error = ReadShortPoint(stream, pen);
    if (!error) error = ReadSignedByte(stream, fill);
    if (!error) error = ReadSignedByte(stream, frame);
    if (error) return error;
    penSize_ = ShortPoint{LimitPen(pen.x), LimitPen(pen.y)};
    fillPattern_ = fill;
    framePattern_ = frame;
    return kNoErr;
}

ErrCode TrimBox::WriteTo(IWriteFile& stream) {
    ErrCode error = TItem::WriteTo(stream);
    if (!error) error = WriteShortPoint(stream, penSize_);
    if (!error) error = WriteSignedByte(stream, static_cast<std::int8_t>(fillPattern_));
    if (!error) error = WriteSignedByte(stream, static_cast<std::int8_t>(framePattern_));
    return error;
}

void TrimBox::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    const GraphAttribUser use(*env);
    env->SetForeColor(Color());
    ShortRect rect = Bounds();
    if (framePattern_ != 0) {
        env->SetPenSize(penSize_.x, penSize_.y);
        if (IsFrameCode(framePattern_) && IsColorDisplay()) {
            if (framePattern_ == kFrameEtched) {
                if (penSize_.x > 2 && penSize_.y > 2) {
                    env->SetPenSize(static_cast<std::int16_t>(penSize_.x / 2),
                                    static_cast<std::int16_t>(penSize_.y / 2));
                }
                DrawEtchedFrame(*env, rect);
            } else {
                DrawBevelledFrame(*env, rect, framePattern_);
            }
            env->SetForeColor(Color());
        } else {
            env->SetPattern(IsFrameCode(framePattern_) ? 1 : framePattern_);
            env->FrameRect(rect);
        }
    }
    if (fillPattern_ != 0) {
        rect.left = static_cast<std::int16_t>(rect.left + penSize_.x);
        rect.right = static_cast<std::int16_t>(rect.right - penSize_.x);
        rect.top = static_cast<std::int16_t>(rect.top + penSize_.y);
        rect.bottom = static_cast<std::int16_t>(rect.bottom - penSize_.y);
        env->SetPattern(fillPattern_);
        env->FillRect(rect);
    }
}
