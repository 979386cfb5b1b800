#pragma once

// State of the three lock keys as the keyboard's indicators show it.
struct LockKeyState {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

// Reads the lock keys from the X server's keyboard indicators; all off when the platform is
// not X11 or the server has no keyboard extension.
LockKeyState ReadLockKeyState();
