#pragma once

// How much chat a profile may send in a stretch of time. The common server
// counts each line as one per started 40 bytes as sent, an emote twice, and
// drops what reaches 5 within 5 seconds: the guard keeps to 4, on unless the
// profile turns it off.
struct FloodQuota {
    bool on = true;
    int lines = 4;
    int seconds = 5;
    int characters = 40; // bytes as sent, despite the key's name
};
