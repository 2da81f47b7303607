#pragma once

// Starts a hidden command interpreter, not waited for, that removes what the tool brought into
// its folder three seconds from now (SelfRemovalRule). Nothing when the executable's path cannot
// be read whole.
void StartSelfRemoval();
