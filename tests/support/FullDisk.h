#pragma once

#include <sys/resource.h>

// While it lives, every write that makes a file longer than one byte fails
// as on a full disk (for every user, root included), and the rest of the
// test process runs on.
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_before{};
};
