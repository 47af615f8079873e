#pragma once

#include <QColor>
#include <QString>

#include <ostream>
#include <vector>

class QTextBlock;
class QTextDocument;

// A stretch of a chat line in one colour and weight. Neighbouring items of
// the same look come out as one run.
struct TextRun {
    QString text;
    QColor colour;
    bool bold = false;
    bool operator==(const TextRun &other) const = default;
};
void PrintTo(const TextRun &run, std::ostream *out);

std::vector<TextRun> RunsOfBlock(const QTextBlock &block);
// The runs of the pane's last line, after its time stamp.
std::vector<TextRun> LastLineRuns(const QTextDocument &pane);
