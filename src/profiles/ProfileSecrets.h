#pragma once

struct ProfileRecord;

// Overwrites the record's passwords in memory and empties them: for a record
// that is freed, reused or about to be read again.
void WipePasswords(ProfileRecord &record);
