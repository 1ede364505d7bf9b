#pragma once

// Whether the process `processId` runs as the same Windows user as this one (the user SIDs of
// the two processes' tokens are equal). False when it cannot be told: no such process, or one
// this user may not even look at.
bool SameUserProcess(unsigned long processId);

// The pipe handle's other end's process: the client's on the server's side, the server's on the
// client's side. 0 when the system does not tell.
unsigned long PipeClientProcess(void* pipe);
unsigned long PipeServerProcess(void* pipe);
