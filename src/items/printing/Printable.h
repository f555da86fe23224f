#pragma once
// The protocol by which printed output lays itself out: a tree of printables, each printing into a
// rectangle on demand and handing back, when it does not fit, a progress record that says where to
// go on the next page. The same tree is run twice for each page: once measuring (drawing into a
// graph that throws the drawing away) and once drawing.
//
// Print (area, progress, size, placed) -> progress:
// - progress in: none to start from the beginning, else a record this printable returned earlier
//   (or a clone of one). The callee owns it from then on: it deletes it, or updates it and hands it
//   back. A caller that must lay a page out again keeps a clone.
// - result: none when the printable is finished, else where to continue.
// - size out: the width and height used in the area.
// - placed in: 1 when something already stands on the page above or before this printable; out: 1
//   when this call (or, for containers, a child) placed something. A caller that passed 0 (an empty
//   page) and gets 0 back deletes the record and takes the printable as finished, so that a
//   printable that can never fit cannot stop the run.
// Coordinates are the units of the run (points on paper).

#include <cstdint>
#include <memory>

#include "framework/graphics/ShortRect.h"

class PrintingEnvironment;

class TPrintProgress {
public:
    virtual ~TPrintProgress() = default;
    // A deep copy: child records are cloned too; a missing child stays missing.
    virtual std::unique_ptr<TPrintProgress> Clone() const = 0;
};

using ProgressPtr = std::unique_ptr<TPrintProgress>;

class IPrintableObject {
public:
    virtual ~IPrintableObject() = default;
    virtual ProgressPtr Print(const LongRect& area, ProgressPtr progress, LongPoint& size,
                              std::int32_t& placed) = 0;
};

using PrintablePtr = std::unique_ptr<IPrintableObject>;

// The second base of every leaf and page: the environment of the run, not owned.
class MPrintingEnvironmentAware {
public:
    explicit MPrintingEnvironmentAware(PrintingEnvironment* environment) : environment_(environment) {}
    virtual ~MPrintingEnvironmentAware() = default;

    PrintingEnvironment* GetEnvironment() const { return environment_; }

private:
    PrintingEnvironment* environment_;
    std::int32_t reserved_ = 0;
};

// A record of a concrete type taken back from the protocol's base pointer: null for none.
template <typename Record>
std::unique_ptr<Record> TakeProgress(ProgressPtr progress) {
    return std::unique_ptr<Record>(static_cast<Record*>(progress.release()));
}

inline std::int32_t Width(const LongRect& rect) { return rect.right - rect.left; }
inline std::int32_t Height(const LongRect& rect) { return rect.bottom - rect.top; }
