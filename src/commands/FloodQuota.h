#pragma once

// How many chat lines a profile may send in a stretch of time when its flood
// guard is on. Servers count a long line as several, one more for each full
// stretch of characters; a common rule is 4 lines in 5 seconds, with one more
// per 40 characters.
struct FloodQuota {
    bool on = false;
    int lines = 4;
    int seconds = 5;
    int characters = 40;
};
