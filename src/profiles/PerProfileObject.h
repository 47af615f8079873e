#pragma once

#include <QtGlobal>

class TarnwellApp;

// Base of the objects every profile slot owns one of: each knows the program
// and the profile it serves.
class PerProfileObject {
public:
    PerProfileObject(TarnwellApp &app, qint16 profileIndex) : m_app(app), m_profileIndex(profileIndex) {}
    virtual ~PerProfileObject() = default;
    PerProfileObject(const PerProfileObject &) = delete;
    PerProfileObject &operator=(const PerProfileObject &) = delete;

    qint16 ProfileIndex() const { return m_profileIndex; }
    void setProfileIndex(qint16 index) { m_profileIndex = index; }

protected:
    TarnwellApp &app() const { return m_app; }

private:
    TarnwellApp &m_app;
    qint16 m_profileIndex;
};
