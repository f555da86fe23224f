#pragma once
// The object-factory registry: turns a class id found in stored data back into a live object.
// Up to kMaxObjectFactories factories are kept for the whole run and asked newest first, so a later
// subsystem can take over an id that an earlier factory also knows.

#include <cstdint>

#include "foundation/TObject.h"

// Builds the object of the given class id from its stored form at the stream's position, setting
// *error to the read result; answers null when it does not know the id. The context is whatever
// the caller passes through (the store passes 0).
using ObjectFactory = TObject* (*)(IReadFile& stream, ClassId id, ErrCode* error, std::uintptr_t context);

inline constexpr int kMaxObjectFactories = 5;

// Adds the factory; a factory already registered, or a full registry, leaves it unchanged.
void RegisterObjectFactory(ObjectFactory factory);

// Asks the registered factories, newest first, and answers the first object made; null when none
// knows the id.
TObject* MakeObjectByFactory(IReadFile& stream, ClassId id, ErrCode* error, std::uintptr_t context);
