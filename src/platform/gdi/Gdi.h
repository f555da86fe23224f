#pragma once
// The whole drawing layer: device contexts, drawing objects, regions, text, bitmaps and cursors.

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/Fonts.h"
#include "platform/gdi/Text.h"
#include "platform/gdi/Cursor.h"
#include "platform/gdi/DeviceContexts.h"
#include "platform/gdi/DisplayDC.h"
#include "platform/gdi/Drawing.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Regions.h"
#include "platform/gdi/Surface.h"
