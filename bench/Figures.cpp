#include "Figures.h"

#include <cstdio>

namespace Figures {

double seconds(const QElapsedTimer &timer)
{
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void heading(const char *title)
{
    std::printf("\n== %s\n", title);
    std::fflush(stdout);
}

void rate(const char *what, double value, const char *unit, const char *baseline, double baselineValue)
{
    std::printf("  %-44s %12.1f %s\n  %-44s %12.1f %s\n  %-44s %12.2fx\n", what, value, unit, baseline,
                baselineValue, unit, "ratio", baselineValue > 0 ? value / baselineValue : 0.0);
    std::fflush(stdout);
}

void pair(const char *what, double value, const char *unit, const char *baseline, double baselineValue)
{
    std::printf("  %-44s %12.1f %s\n  %-44s %12.1f %s\n", what, value, unit, baseline, baselineValue, unit);
    std::fflush(stdout);
}

void goal(const QString &text, bool met)
{
    std::printf("  goal: %-60s %s\n", qPrintable(text), met ? "met" : "MISSED");
    std::fflush(stdout);
}

} // namespace Figures
