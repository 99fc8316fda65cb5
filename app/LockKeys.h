#pragma once
// The state of Caps Lock, Num Lock and Scroll Lock for the status bar. Qt has
// no portable way to read it; on X11 we ask the X keyboard extension through
// a library loaded at run time, elsewhere every lock reads as off.

struct LockKeyState {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

LockKeyState ReadLockKeys();
