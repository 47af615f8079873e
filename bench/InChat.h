#pragma once

class ServerProgram;

// Connects profile 0 to the test server and puts it in a channel as a logon
// would have. Returns the server's number for the connection, or -1 when it
// did not come.
int ConnectInChat(ServerProgram &profiles);
