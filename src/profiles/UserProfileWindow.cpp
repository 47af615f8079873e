#include "profiles/UserProfileWindow.h"

#include "platform/Failure.h"
#include "profiles/TarnwellApp.h"
#include "session/ProfileKeys.h"
#include "session/Send.h"
#include "session/clsConnection.h"
#include "session/frmProfile.h"

#include <QLineEdit>
#include <QTextEdit>

void ShowUserProfile(TarnwellApp &app, const Profile &profile, quint32 requestId, const QStringList &values)
{
    app.guard("Recieve0x26()", "clsConnection", [&] {
        // A reply to an earlier request, or to another profile's, would show
        // one user's profile under another's name or overwrite what the user
        // typed.
        frmProfile &window = app.profileWindow();
        if (window.takesReply(profile, requestId))
            window.showValues(values.value(0), values.value(2), values.value(3));
    });
}

void SaveProfile(TarnwellApp &app)
{
    app.guard("cmdSave_Click", "frmProfile", [&] {
        frmProfile &window = app.profileWindow();
        // The profile the window was opened on, whichever is on screen now,
        // and only while it is still logged on with the same account.
        const frmProfile::Request &opened = window.request();
        Profile *profile = app.liveProfile(opened.profile);
        if (!profile || opened.ownAccount.isEmpty() ||
            profile->state().AccountName.compare(opened.ownAccount, Qt::CaseInsensitive) != 0)
            throw Failure(Failure::InvalidCall, QStringLiteral("The profile window's account is no longer logged on"));
        WireText::Encoded request =
            ProfileKeys::writeRequest(opened.ownAccount, window.txtSex->text(), window.txtLocation->text(),
                                      window.rtbDes->toPlainText(), profile->record().Encoding);
        profile->connection().SendPacket(0x27, request.bytes);
        ReportUnsendable(*profile, request.unsendable);
        window.close();
    });
}
