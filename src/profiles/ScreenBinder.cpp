#include "profiles/ScreenBinder.h"

#include "channel/ChannelUserList.h"
#include "channel/clsBNCS.h"
#include "profiles/Profile.h"
#include "profiles/frmMain.h"

#include <QLabel>

ScreenBinder::~ScreenBinder()
{
    release();
}

void ScreenBinder::show(Profile &profile)
{
    release();
    m_window.lstChannelUsers->showRows(&profile.bncs().rows());
    m_label = QObject::connect(&profile, &Profile::channelLabelChanged, m_window.lblChlInfo, &QLabel::setText);
}

void ScreenBinder::showNone()
{
    release();
    m_window.lstChannelUsers->showRows(nullptr);
    m_window.lblChlInfo->setText(QStringLiteral("Disconnected [0]"));
}

void ScreenBinder::release()
{
    QObject::disconnect(m_label);
}
