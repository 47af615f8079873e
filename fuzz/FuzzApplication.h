#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// The one Qt application of a fuzz process, without a screen, made on first
// use and kept for every input.
void StartFuzzApplication();

// A folder for the files a target writes, on a memory file system when the
// machine has one: the targets write settings for every input.
QString FuzzScratchFolder();

// The input as the bytes Qt reads, without copying them.
QByteArray InputBytes(const std::uint8_t *data, std::size_t size);
