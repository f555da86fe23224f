#include "items/StatText.h"

#include "foundation/IFile.h"
#include "framework/graphics/ClipSaver.h"
#include "framework/graphics/FontMapping.h"
#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"

StatText::StatText(ItemList* list, const ShortRect* bounds, const char* text, std::uint16_t flags,
                   const RGBColor& color, const win::LOGFONTA* font, std::int32_t justification)
    : TItem(list, bounds, flags, color), text_(text), font_(0, 12, 0), justification_(justification) {
    if (font) font_.SetLogFont(*font);
}

StatText::StatText(ItemList* list, IReadFile& stream, ErrCode* error)
    : StatText(list, nullptr, "", 0, RGBColor(0), nullptr, 0) {
    if (*error == kNoErr) *error = StatText::ReadFrom(stream);
}

std::int32_t StatText::GetFlattenedSize() const {
    return TItem::GetFlattenedSize() + 6 + text_.GetFlattenedSize();
}

ErrCode StatText::ReadFrom(IReadFile& stream) {
    std::int8_t justification = 0;
    ErrCode error = TItem::ReadFrom(stream);
    if (!error) error = font_.Read(stream);
    if (!error) error = ReadSignedByte(stream, justification);
    if (!error) justification_ = justification;
    if (!error) error = text_.ReadFrom(stream);
    return error;
}

ErrCode StatText::WriteTo(IWriteFile& stream) {
    ErrCode error = TItem::WriteTo(stream);
    if (!error) error = font_.Write(stream);
    if (!error) error = WriteSignedByte(stream, static_cast<std::int8_t>(justification_));
    if (!error) error = text_.WriteTo(stream);
    return error;
}

void StatText::Enable(bool enable) {
    const bool was = IsEnabled();
    TItem::Enable(enable);
    if (was != IsEnabled()) Invalidate();
}

std::int32_t StatText::HandleMouseUp(const MsgEvent& /*event*/) {
    PostHit();
    return 1;
}

void StatText::SetFont(const win::LOGFONTA& font) {
    font_.SetLogFont(font);
    Invalidate();
}

void StatText::SetText(const char* text) {
    text_.Assign(text ? text : "");
    Invalidate();
}

void StatText::Draw(win::HDC /*dc*/, const Rgn& clip) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || text_.Length() == 0) return;
    const ObjectLocker lock(&text_);
    const GraphAttribUser use(*env);
    const ClipSaver clipped = ClipSaver::FromRegion(*env, clip);
    env->SetFontIndirect(font_.LogFont());
    win::TEXTMETRICA metrics;
    env->GetTextMetrics(metrics);
    const int lineHeight = GetFontAscent(metrics) + GetFontDescent(metrics);
    const int dimmed = IsEnabled() ? 0 : 1;
    if (Bounds().Height() > 2 * lineHeight) {
        env->DrawMultilineText(text_.CStr(), Bounds(), justification_, 1, dimmed);
    } else {
        env->DrawTextBox(text_.CStr(), Bounds(), justification_, 1, dimmed);
    }
}
