#include "app/LockKeys.h"

#include <dlfcn.h>
#include <QGuiApplication>

namespace {

// The few Xlib entry points we need, looked up once. Loading at run time keeps
// the program free of a link-time dependency on X11 and lets it run on the
// offscreen and Wayland platforms unchanged.
struct XkbApi {
    using OpenDisplay = void* (*)(const char*);
    using InternAtom = unsigned long (*)(void*, const char*, int);
    using GetNamedIndicator = int (*)(void*, unsigned long, int*, int*, void*, int*);

    OpenDisplay openDisplay = nullptr;
    InternAtom internAtom = nullptr;
    GetNamedIndicator getNamedIndicator = nullptr;
    void* display = nullptr;

    XkbApi() {
        void* lib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
        if (!lib) return;
        openDisplay = reinterpret_cast<OpenDisplay>(dlsym(lib, "XOpenDisplay"));
        internAtom = reinterpret_cast<InternAtom>(dlsym(lib, "XInternAtom"));
        getNamedIndicator = reinterpret_cast<GetNamedIndicator>(dlsym(lib, "XkbGetNamedIndicator"));
        if (openDisplay && internAtom && getNamedIndicator) display = openDisplay(nullptr);
    }

    bool Indicator(const char* name) const {
        if (!display) return false;
        int on = 0;
        const unsigned long atom = internAtom(display, name, 0);
        return getNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
    }
};

}  // namespace

LockKeyState ReadLockKeys() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return {};
    static const XkbApi api;
    return {api.Indicator("Caps Lock"), api.Indicator("Num Lock"), api.Indicator("Scroll Lock")};
}
