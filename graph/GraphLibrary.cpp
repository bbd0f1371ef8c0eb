// SPDX-License-Identifier: GPL-3.0-or-later
// The graph library's entry: the one function the board looks up when it
// loads the library, handing out the part that makes graph views.
#include "GraphPart.h"
#include "GraphView.h"

namespace {

class TChartPart final : public TGraphPart {
public:
    explicit TChartPart(const TGraphHost& host) : host_(host) {}

    TGraphDrawing* MakeView(QWidget* parent) override {
        return new TGraphView(parent, host_.ZoomPercent);
    }

    void Paint(QPainter& painter, const QRectF& area, const arith::TGraph& graph,
               const QFont& letters) override {
        TGraphView::Paint(painter, area, graph, host_.ZoomPercent, letters);
    }

private:
    TGraphHost host_;
};

} // namespace

extern "C" Q_DECL_EXPORT TGraphPart* VorantelGraphPart(int version, const TGraphHost* host) {
    if (version != kGraphPartVersion || host == nullptr) {
        return nullptr;
    }
    // One part for the library's life; the program lends the same host every time.
    static TChartPart part(*host);
    return &part;
}
