#include "support/PaneRuns.h"

#include <QTextBlock>
#include <QTextDocument>

void PrintTo(const TextRun &run, std::ostream *out)
{
    *out << '"' << run.text.toStdString() << "\" " << run.colour.name().toStdString() << (run.bold ? " bold" : "");
}

std::vector<TextRun> RunsOfBlock(const QTextBlock &block)
{
    std::vector<TextRun> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        runs.push_back({fragment.text(), fragment.charFormat().foreground().color(),
                        fragment.charFormat().fontWeight() == QFont::Bold});
    }
    return runs;
}

std::vector<TextRun> LastLineRuns(const QTextDocument &pane)
{
    // Every line ends with a break, so the last block is the empty one after it.
    std::vector<TextRun> runs = RunsOfBlock(pane.lastBlock().previous());
    if (!runs.empty())
        runs.erase(runs.begin());
    return runs;
}
