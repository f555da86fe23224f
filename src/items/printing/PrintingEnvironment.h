#pragma once
// What a report and all of its printables share for a print or preview run: the graph that really
// draws (the printer's, or the preview page's), the measuring graph used while measuring, the page
// number the pages keep and the banners show, and the run's status: 0 to go on, any other value
// stops the report's page loop (-39 from a text that cannot be laid out, or a whole run's result).

#include <cstdint>

#include "items/printing/PrintGraph.h"

class TGraphEnv;

class PrintingEnvironment {
public:
    explicit PrintingEnvironment(TGraphEnv* drawingGraph) : drawingGraph_(drawingGraph) {}
    virtual ~PrintingEnvironment() = default;
    PrintingEnvironment(const PrintingEnvironment&) = delete;
    PrintingEnvironment& operator=(const PrintingEnvironment&) = delete;

    // Raised each time the drawing graph is replaced.
    virtual void NextGeneration() { ++generation_; }
    // The first opens the measuring graph on a 10 x 10 bitmap; nested ones only count.
    virtual void BeginMeasuring();
    // The last closes it.
    virtual void EndMeasuring();

    // The measuring graph while measuring, else the drawing graph.
    TGraphEnv* GetGraph();
    // Answers the previous drawing graph.
    TGraphEnv* SetGraph(TGraphEnv* graph);
    bool IsMeasuring() const { return measuringDepth_ > 0; }
    GarbageGraph& GetMeasuringGraph() { return measuringGraph_; }
    std::uint32_t GetGeneration() const { return generation_; }

    std::int16_t IsAborted() const { return status_; }
    std::int16_t GetStatus() const { return status_; }
    void SetStatus(std::int16_t status) { status_ = status; }
    std::int32_t GetPageNumber() const { return pageNumber_; }
    void SetPageNumber(std::int32_t number) { pageNumber_ = number; }

private:
    std::uint32_t generation_ = 1;
    TGraphEnv* drawingGraph_;
    GarbageGraph measuringGraph_;
    std::uint32_t measuringDepth_ = 0;
    std::int32_t pageNumber_ = 0;
    std::int16_t status_ = 0;
};

// Measuring for the life of the scope.
class MeasuringScope {
public:
    explicit MeasuringScope(PrintingEnvironment& environment) : environment_(environment) {
        environment_.BeginMeasuring();
    }
    ~MeasuringScope() { environment_.EndMeasuring(); }
    MeasuringScope(const MeasuringScope&) = delete;
    MeasuringScope& operator=(const MeasuringScope&) = delete;

private:
    PrintingEnvironment& environment_;
};
