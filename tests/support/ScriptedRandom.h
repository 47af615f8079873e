#pragma once

#include "session/RandomSource.h"

// Hands out the bytes it was given, in order, and then runs dry, so that a
// test decides every random value a computation draws.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(QByteArray script);
    std::optional<QByteArray> draw(qsizetype count) override;
    qsizetype remaining() const { return m_script.size(); }

private:
    QByteArray m_script;
};
