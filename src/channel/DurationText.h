#pragma once

#include <QString>
#include <QtGlobal>

enum class DurationWords {
    Short, // "1 hr, 2 mins, and 5 secs"
    Long, // "1 hour, 2 minutes, and 5 seconds"
};

// A tick-count difference in words, rounded to whole seconds (ties to even).
// Units above the largest non-zero one are left out; below it, zeros are kept.
QString FormatDuration(quint32 milliseconds, DurationWords words);
