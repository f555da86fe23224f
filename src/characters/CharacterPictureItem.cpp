#include "characters/CharacterPictureItem.h"

#include "framework/graphics/GraphUser.h"
#include "items/ItemGraphEnv.h"

CharacterPictureItem::CharacterPictureItem(CharacterManager* characters, ItemList* list,
                                           const ShortRect* bounds, std::uint16_t picture)
    : TItem(list, bounds, 0, GetStandardColor(0)), characters_(characters), picture_(picture) {}

void CharacterPictureItem::SetPicture(std::uint16_t picture) {
    if (picture == picture_) return;
    picture_ = picture;
    Invalidate();
}

void CharacterPictureItem::Draw(win::HDC /*dc*/, const Rgn& /*clip*/) {
    ItemGraphEnv* env = GetGraphEnv();
    if (!env || !env->GetHDC() || !characters_) return;
    const GraphAttribUser use(*env);
    const ShortRect& bounds = Bounds();
    const ShortRect inside =
        ShortRect::MakeLTRB(bounds.left + 1, bounds.top + 1, bounds.right - 1, bounds.bottom - 1);
    DrawCharacterBitmap(*env, bitmaps_.Get(*characters_, picture_), inside);
    env->SetForeStandardColor(0);
    env->FrameRect(bounds);
}
