#include "items/Cluster.h"

#include "foundation/IFile.h"
#include "framework/graphics/AppPalette.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemFrames.h"
#include "items/ItemGraphEnv.h"
#include "items/TrimBox.h"

Cluster::Cluster(ItemList* list, const ShortRect* bounds, std::uint16_t flags, const RGBColor& color,
                 const char* caption, std::int16_t fontNumber, std::int16_t fontSize, std::uint8_t fontStyle,
                 std::int32_t justification, std::int16_t indent, std::int32_t framePattern)
    : TItem(list, bounds, flags, color),
      caption_(caption),
      font_(fontNumber, fontSize, fontStyle),
      justification_(justification),
      framePattern_(framePattern),
      indent_(indent) {}

Cluster::Cluster(ItemList* list, IReadFile& stream, ErrCode* error)
    : Cluster(list, nullptr, 0, RGBColor(0), "", 0, 0, 0, 0, 0, 0) {
    if (*error == kNoErr) *error = Cluster::ReadFrom(stream);
}

std::int32_t Cluster::GetFlattenedSize() const {
    return TItem::GetFlattenedSize() + 8 + caption_.GetFlattenedSize();
}

ErrCode Cluster::ReadFrom(IReadFile& stream) {
    std::int8_t justification = 0;
    std::int8_t indent = 0;
    std::int8_t frame = 0;
    ErrCode error = TItem::ReadFrom(stream);
    if (!error) error = font_.Read(stream);
    if (!error) error = ReadSignedByte(stream, justification);
    if (!error) error = ReadSignedByte(stream, indent);
    if (!error) error = ReadSignedByte(stream, frame);
    if (!error) error = caption_.ReadFrom(stream);
    if (error) return error;
    justification_ = justification;
    indent_ = indent;
    framePattern_ = frame;
    return kNoErr;
}

ErrCode Cluster::WriteTo(IWriteFile& stream) {
    ErrCode error = TItem::WriteTo(stream);
    if (!error) error = font_.Write(stream);
    if (!error) error = WriteSignedByte(stream, static_cast<std::int8_t>(justification_));
    if (!error) error = WriteSignedByte(stream, static_cast<std::int8_t>(indent_));
    if (!error) error = WriteSignedByte(stream, static_cast<std::int8_t>(framePattern_));
    if (!error) error = caption_.WriteTo(stream);
    return error;
}

std::int32_t Cluster::CaptionOffset(std::int32_t captionWidth) const {
    const std::int32_t width = Bounds().Width();
    switch (justification_) {
        case -1: return width - captionWidth - indent_;
        case 0: return 1 + indent_ + 3;
        case 1: return (width - captionWidth + 1) / 2;
        default: return 0;
    }
}

void Cluster::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env) return;
    const GraphAttribUser use(*env);
    env->SetForeColor(Color());
    const ShortRect& bounds = Bounds();
    const bool hasCaption = caption_.Length() > 0;
    std::int32_t captionWidth = 0;
    std::int32_t offset = 0;
    std::int32_t ascent = 0;
    if (hasCaption) {
        env->SetFontIndirect(font_.LogFont());
        win::TEXTMETRICA metrics;
        env->GetTextMetrics(metrics);
        ascent = GetFontAscent(metrics);
        captionWidth = env->StringWidth(caption_.CStr());
        offset = CaptionOffset(captionWidth);
        env->MoveTo(bounds.left + offset, bounds.top + 1 + ascent);
        env->DrawText(caption_.CStr(), 0, 0);
    }
    if (framePattern_ == 0) return;
    const bool threeD = IsFrameCode(framePattern_) && IsColorDisplay();
    env->SetPenSize(1, 1);
    if (!hasCaption && !threeD) {
        env->SetPattern(framePattern_);
        env->FrameRect(bounds);
        return;
    }
    // The frame, drawn from the right end of the top edge leftwards, down, along and up.
    ShortRect frame = bounds;
    frame.top = static_cast<std::int16_t>(hasCaption ? bounds.top + ascent - 4 : bounds.top);
    const int inset = framePattern_ == kFrameEtched && hasCaption ? 2 : 1;
    frame.right = static_cast<std::int16_t>(frame.right - inset);
    frame.bottom = static_cast<std::int16_t>(frame.bottom - inset);
    const int gapLeft = bounds.left + offset - 3;
    const int gapRight = bounds.left + offset + captionWidth + 2;
    auto outline = [&](int dx, int first, int second) {
        const int left = frame.left + dx, top = frame.top + dx, right = frame.right + dx,
                  bottom = frame.bottom + dx;
        env->SetForeStandardColor(first);
        env->MoveTo(right, top);
        if (hasCaption) {
            env->LineTo(gapRight + dx, top);
            env->MoveTo(gapLeft + dx, top);
        }
        env->LineTo(left, top);
        env->LineTo(left, bottom);
        env->SetForeStandardColor(second);
        env->LineTo(right, bottom);
        env->LineTo(right, top);
    };
    if (!threeD) {
        const RGBColor color = Color();
        env->SetForeColor(color);
        env->SetPattern(framePattern_);
        const ShortPoint corner{frame.right, frame.top};
        env->MoveTo(corner.x, corner.y);
        if (hasCaption) {
            env->LineTo(gapRight, frame.top);
            env->MoveTo(gapLeft, frame.top);
        }
        env->LineTo(frame.left, frame.top);
        env->LineTo(frame.left, frame.bottom);
        env->LineTo(frame.right, frame.bottom);
        env->LineTo(frame.right, frame.top);
    } else if (framePattern_ == kFrameEtched) {
        outline(1, 1, 1);
        outline(0, 9, 9);
    } else {
        outline(0, FrameFirstColor(framePattern_), FrameSecondColor(framePattern_));
    }
}
