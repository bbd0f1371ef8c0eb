// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets ask of every graph the board would draw.
#pragma once

#include "Graph.h"

#include <cmath>

// Why the graph's view cannot be drawn (limits not finite, or not ordered
// with positive steps), or nullptr when it can.
inline const char* GraphRangeFault(const arith::TGraph& graph) {
    const arith::TGraphRange& r = graph.Range;
    for (double v : {r.XMin, r.XMax, r.YMin, r.YMax, r.XStep, r.YStep}) {
        if (!std::isfinite(v)) {
            return "graph range not finite";
        }
    }
    if (!(r.XMin < r.XMax && r.YMin < r.YMax && r.XStep > 0 && r.YStep > 0)) {
        return "graph range empty";
    }
    return nullptr;
}
