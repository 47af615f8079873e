#pragma once

#include <QElapsedTimer>
#include <QString>

// Printing of the figures: each with the baseline it is measured against,
// and each goal with whether this run met it.
namespace Figures {

double seconds(const QElapsedTimer &timer);

void heading(const char *title);
// "what: value unit   baseline: value unit   ratio" with the ratio
// value / baseline.
void rate(const char *what, double value, const char *unit, const char *baseline, double baselineValue);
// A plain figure and its baseline, without a ratio.
void pair(const char *what, double value, const char *unit, const char *baseline, double baselineValue);
void goal(const QString &text, bool met);

} // namespace Figures
