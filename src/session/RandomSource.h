#pragma once

#include <QByteArray>
#include <memory>
#include <optional>

// Where the logon's secret random values come from. Every draw of the logon
// goes through one of these, so that a test can pin the values.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // `count` random bytes, or nothing when no randomness can be had.
    virtual std::optional<QByteArray> draw(qsizetype count) = 0;
};

// The operating system's cryptographic generator, shared by all callers.
std::shared_ptr<RandomSource> systemRandom();
