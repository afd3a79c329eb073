// The chart of the index history window: the index after each complete
// round as a line over the dates (oldest left), each complete round's
// differential as a point, the rounds the current index uses as points of
// their own, and the Maximum Index as a level line while the rule is on.
// Rounds whose date is no calendar date have no place on the chart.
#pragma once

#include <QString>

#include "engine/insight.h"

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace qm {

// The series' names, as the legend shows them.
QString IndexSeriesName();
QString DifferentialSeriesName();
QString UsedSeriesName();
QString MaximumSeriesName(Sex golfer);

// A new chart (the caller owns it, or gives it to a QChartView).
// dark: Qt Charts' dark theme, for a window of a dark scheme (paper is
// always light).
QChart* MakeIndexChart(const IndexHistory& history, Sex golfer, bool useMaxIndex,
                       bool dark = false);

}  // namespace qm
