#pragma once

#include <QMetaObject>

class Profile;
class frmMain;

// Connects the profile on screen to the main window: the user list shows its
// rows and the channel label follows what it reports. A switch moves both
// to the next profile; the others go on without a window.
class ScreenBinder {
public:
    explicit ScreenBinder(frmMain &window) : m_window(window) {}
    ~ScreenBinder();
    ScreenBinder(const ScreenBinder &) = delete;
    ScreenBinder &operator=(const ScreenBinder &) = delete;

    void show(Profile &profile);
    // No profile on screen: an empty list and a disconnected label.
    void showNone();

private:
    void release();

    frmMain &m_window;
    QMetaObject::Connection m_label;
};
