#include "items/printing/PrintingEnvironment.h"

void PrintingEnvironment::BeginMeasuring() {
    if (measuringDepth_ == 0) measuringGraph_.Open(10, 10);
    ++measuringDepth_;
}

void PrintingEnvironment::EndMeasuring() {
    if (measuringDepth_ == 0) return;
    if (--measuringDepth_ == 0) measuringGraph_.Close();
}

TGraphEnv* PrintingEnvironment::GetGraph() {
    return measuringDepth_ > 0 ? static_cast<TGraphEnv*>(&measuringGraph_) : drawingGraph_;
}

TGraphEnv* PrintingEnvironment::SetGraph(TGraphEnv* graph) {
    TGraphEnv* previous = drawingGraph_;
    if (graph != drawingGraph_) NextGeneration();
    drawingGraph_ = graph;
    return previous;
}
