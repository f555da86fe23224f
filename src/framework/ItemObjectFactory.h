#pragma once
// The object factory of window items: windows and dialogs read their items from stored item lists,
// in which each object begins with its class id. The main routine registers this factory with the
// object-factory registry; the item classes install how each of them is read.

#include <cstdint>

#include "foundation/ObjectFactory.h"

class IReadFile;
class ItemList;
class WindowItemList;

// The class ids the factory makes.
inline constexpr ClassId kItemListClassId = 106;
inline constexpr ClassId kTrimBoxClassId = 501;
inline constexpr ClassId kStatTextClassId = 502;
inline constexpr ClassId kClusterClassId = 503;
inline constexpr ClassId kIconItemClassId = 505;
inline constexpr ClassId kBarGraphClassId = 506;
inline constexpr ClassId kPushBtnClassId = 507;
inline constexpr ClassId kRadioBtnClassId = 508;
inline constexpr ClassId kCheckBoxClassId = 509;
inline constexpr ClassId kPopupClassId = 511;
inline constexpr ClassId kEditViewClassId = 512;
inline constexpr ClassId kEditViewAltClassId = 513;

// An item's reading constructor: builds a default item owned by the list and, while *error is 0,
// reads the stored item into it, leaving the result in *error. Null when memory runs out.
using ItemReader = TObject* (*)(ItemList* owner, IReadFile& stream, ErrCode* error);
// Makes an empty item list, which the factory then reads from the stream.
using ItemListMaker = WindowItemList* (*)();

// Installs the reader of one of the item classes above (not the item list); false for any other
// id. Ids 512 and 513 share one reader: installing either installs both.
bool SetItemReader(ClassId id, ItemReader reader);
void SetItemListMaker(ItemListMaker maker);
// A new empty item list; null when no maker is installed or memory ran out.
WindowItemList* MakeItemList();

// The factory: the error is set to 0 first; an id it does not make (or whose class has not
// installed its reader) gives null with error 0. A read failure gives the object with the error set;
// the caller deletes it. The context is the owning item list.
TObject* ItemObjectFactory(IReadFile& stream, ClassId id, ErrCode* error, std::uintptr_t owner);
