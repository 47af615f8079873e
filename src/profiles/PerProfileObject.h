#pragma once

class Profile;

// Base of the parts every profile owns one of: each knows the profile it
// serves, and through it the profile's other parts.
class PerProfileObject {
public:
    explicit PerProfileObject(Profile &profile) : m_profile(profile) {}
    virtual ~PerProfileObject() = default;
    PerProfileObject(const PerProfileObject &) = delete;
    PerProfileObject &operator=(const PerProfileObject &) = delete;

protected:
    Profile &profile() const { return m_profile; }

private:
    Profile &m_profile;
};
