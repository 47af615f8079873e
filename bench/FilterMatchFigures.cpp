// The wildcard matcher of the chat filters on its worst kind of pattern:
// many stars and a last character the text lacks, beside a plain substring
// search of the same text.
#include "Figures.h"
#include "Sections.h"

#include "filters/WildcardMatch.h"

#include <QElapsedTimer>
#include <QString>

namespace {

constexpr int kTextLength = 10000;
constexpr int kRounds = 20;

} // namespace

void FilterMatchFigures()
{
    const QString text(kTextLength, u'a');
    const QString pattern = QStringLiteral("*a*a*a*a*a*a*b");

    Figures::heading("Filter pattern *a*a*a*a*a*a*b against 10,000 characters without a b");
    QElapsedTimer timer;
    timer.start();
    bool matched = false;
    for (int round = 0; round < kRounds; ++round)
        matched = matched || WildcardMatch(text, pattern) == WildcardResult::Match;
    const double patternMicroseconds = Figures::seconds(timer) * 1e6 / kRounds;

    timer.start();
    bool found = false;
    for (int round = 0; round < kRounds; ++round)
        found = found || text.contains(u'b');
    const double substringMicroseconds = Figures::seconds(timer) * 1e6 / kRounds;

    Figures::pair("wildcard match", patternMicroseconds, "us", "substring search of the same text", substringMicroseconds);
    Figures::goal(QStringLiteral("answers in under 100 ms, and finds no match"), patternMicroseconds < 100000 && !matched && !found);
}
