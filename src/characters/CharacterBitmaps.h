#pragma once
// Character pictures shown in the character windows: each picture of the story (a stock picture of
// the application's picture file, or a custom one of the story file) read once into a bitmap and
// drawn from there until the pictures change.

#include <cstdint>
#include <map>
#include <memory>

#include "framework/graphics/QRVBitmap.h"
#include "framework/graphics/ShortRect.h"

class CharacterManager;
class TGraphEnv;

class CharacterBitmaps {
public:
    // The picture's bitmap, read on first use; null when the picture (and the default one) cannot
    // be read.
    QRVBitmap* Get(CharacterManager& characters, std::uint16_t pictureId);
    // Forgets every bitmap, so that changed pictures are read again.
    void Clear() { bitmaps_.clear(); }

private:
    std::map<std::uint16_t, std::unique_ptr<QRVBitmap>> bitmaps_;
};

// The bitmap stretched into the rectangle; a null bitmap draws an empty frame instead.
void DrawCharacterBitmap(TGraphEnv& env, QRVBitmap* bitmap, const ShortRect& place);
