#include "windows/qmindexchart.h"

#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "store/calendar.h"
#include "store/text.h"
#include "ui/textconv.h"

namespace qm {

namespace {

// Noon UTC, so that the axis, which shows local time, keeps every round on
// its day in every time zone; and UTC needs no time zone look-up per point.
qreal When(const QDate& day) {
  return static_cast<qreal>(QDateTime(day, QTime(12, 0), Qt::UTC).toMSecsSinceEpoch());
}

// Points without a line, each drawn as one picture (a "light marker"): a
// scatter series would make a graphics item of every point, which costs
// more than all the rest of the chart for 200 rounds. The picture is drawn
// at four times its size, so that it stays round on paper.
QLineSeries* Points(const QString& name, qreal size, const QColor& color) {
  auto* series = new QLineSeries;
  series->setName(name);
  QPen none(color);
  none.setStyle(Qt::NoPen);
  series->setPen(none);
  series->setColor(color);
  series->setMarkerSize(size);
  series->setPointsVisible(true);
  const int side = static_cast<int>(size) * 4;
  QImage dot(side, side, QImage::Format_ARGB32_Premultiplied);
  dot.fill(Qt::transparent);
  QPainter painter(&dot);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(color.darker(130), 4));
  painter.setBrush(color);
  painter.drawEllipse(QRectF(2, 2, side - 4, side - 4));
  painter.end();
  series->setLightMarker(dot);
  return series;
}

}  // namespace

QString IndexSeriesName() { return QStringLiteral("Index after the round"); }
QString DifferentialSeriesName() { return QStringLiteral("Differential"); }
QString UsedSeriesName() { return QStringLiteral("Used in the current index"); }
QString MaximumSeriesName(Sex golfer) {
  return QStringLiteral("Maximum Index ") + FromBytes(IndexText(MaximumIndex(golfer)));
}

QChart* MakeIndexChart(const IndexHistory& history, Sex golfer, bool useMaxIndex, bool dark) {
  auto* chart = new QChart;
  // Before the series: a theme set later would paint over their colours.
  // The light look is the chart's own, left as it was.
  if (dark) chart->setTheme(QChart::ChartThemeDark);
  auto* index = new QLineSeries;
  index->setName(IndexSeriesName());
  QPen line(dark ? QColor(0x6c, 0xa6, 0xf0) : QColor(0x1f, 0x5f, 0xa8));
  line.setWidthF(2.0);
  index->setPen(line);
  QLineSeries* differentials = Points(DifferentialSeriesName(), 7, QColor(0x9a, 0xa4, 0xae));
  QLineSeries* used = Points(UsedSeriesName(), 10, QColor(0xe0, 0x7b, 0x00));

  QDate first, last;
  qreal low = 0, high = 0;
  // Oldest first, so the line runs left to right.
  for (auto row = history.Rows.rbegin(); row != history.Rows.rend(); ++row) {
    if (!row->Counts) continue;
    const std::optional<CivilDate> date = DateOfKey(row->DateKey);
    if (!date) continue;
    const QDate day(date->Year, date->Month, date->Day);
    const qreal x = When(day);
    const auto after = static_cast<qreal>(row->IndexAfter);
    const auto differential = static_cast<qreal>(row->Differential);
    index->append(x, after);
    differentials->append(x, differential);
    if (row->Mark == '*') used->append(x, differential);
    if (!first.isValid()) low = high = after;
    low = std::min({low, after, differential});
    high = std::max({high, after, differential});
    first = first.isValid() ? std::min(first, day) : day;
    last = last.isValid() ? std::max(last, day) : day;
  }

  chart->addSeries(differentials);
  chart->addSeries(used);
  chart->addSeries(index);
  const auto maximum = static_cast<qreal>(MaximumIndex(golfer));
  QLineSeries* level = nullptr;
  if (!first.isValid()) first = last = QDate(2000, 1, 1);
  // A little room on both sides, more than a day for a single round.
  const qint64 days = std::max<qint64>(first.daysTo(last), 1);
  const QDate from = first.addDays(-std::max<qint64>(days / 40, 3));
  const QDate to = last.addDays(std::max<qint64>(days / 40, 3));
  if (useMaxIndex) {
    level = new QLineSeries;
    level->setName(MaximumSeriesName(golfer));
    QPen dashed(QColor(0xc0, 0x30, 0x30));
    dashed.setStyle(Qt::DashLine);
    dashed.setWidthF(1.5);
    level->setPen(dashed);
    level->append(When(from), maximum);
    level->append(When(to), maximum);
    chart->addSeries(level);
    high = std::max(high, maximum);
  }

  auto* dates = new QDateTimeAxis;
  dates->setTitleText(QStringLiteral("Date"));
  dates->setFormat(days > 400 ? QStringLiteral("MM/yyyy") : QStringLiteral("MM/dd/yyyy"));
  dates->setTickCount(6);
  dates->setRange(QDateTime(from, QTime(0, 0), Qt::UTC), QDateTime(to, QTime(23, 59), Qt::UTC));
  auto* values = new QValueAxis;
  values->setTitleText(QStringLiteral("Index and differential"));
  values->setLabelFormat(QStringLiteral("%.0f"));
  values->setRange(std::floor(std::min(low, 0.0)), std::ceil(high + 2));
  values->applyNiceNumbers();
  chart->addAxis(dates, Qt::AlignBottom);
  chart->addAxis(values, Qt::AlignLeft);
  for (QAbstractSeries* series : chart->series()) {
    series->attachAxis(dates);
    series->attachAxis(values);
  }
  chart->legend()->setAlignment(Qt::AlignBottom);
  for (QLineSeries* points : {differentials, used}) {
    for (QLegendMarker* marker : chart->legend()->markers(points)) {
      marker->setShape(QLegend::MarkerShapeCircle);
      marker->setBrush(points->color());
      marker->setPen(QPen(points->color().darker(130)));
    }
  }
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  return chart;
}

}  // namespace qm
