#include "profiles/ProfileSecrets.h"

#include "platform/WipeText.h"
#include "profiles/ProfileRecord.h"

void WipePasswords(ProfileRecord &record)
{
    WipeText(record.Password);
    WipeText(record.NewPassword);
}
