#include "skin/TsCompositor.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace TsCompositor {

namespace {

// The screen the display name chooses (":0.1" is screen 1); screen 0 when it names none.
int ScreenNumber() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr) return 0;
    const char* colon = std::strrchr(display, ':');
    const char* dot = colon ? std::strchr(colon, '.') : nullptr;
    return dot ? std::atoi(dot + 1) : 0;
}

bool SelectionOwned(xcb_connection_t* connection) {
    if (connection == nullptr) return false;
    const std::string name = "_NET_WM_CM_S" + std::to_string(ScreenNumber());
    const auto atomCookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str());
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, atomCookie, nullptr), &std::free);
    if (!atom) return false;
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom),
                                      nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

bool Detect() {
    const Platform platform = CurrentPlatform();
    bool owned = false;
    if (platform == Platform::X11) {
        if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
            owned = SelectionOwned(x11->connection());
    }
    return Decide(platform, owned, std::getenv("VEXMORA_COMPOSITOR"));
}

}  // namespace

Platform CurrentPlatform() {
    const QString name = QGuiApplication::platformName();
    if (name == QLatin1String("xcb")) return Platform::X11;
    if (name.startsWith(QLatin1String("wayland"))) return Platform::Wayland;
    if (name == QLatin1String("offscreen")) return Platform::Offscreen;
    return Platform::Other;
}

bool Decide(Platform platform, bool x11SelectionOwned, const char* override) {
    switch (platform) {
        case Platform::X11:
            return x11SelectionOwned;
        case Platform::Wayland:
            return true;
        case Platform::Offscreen:
            return override != nullptr && std::strcmp(override, "on") == 0;
        case Platform::Other:
            break;
    }
    return false;
}

bool LayeredWindowsAvailable() {
    if (TestAnswer()) return *TestAnswer();
    static const bool available = Detect();
    return available;
}

std::optional<bool>& TestAnswer() {
    static std::optional<bool> answer;
    return answer;
}

}  // namespace TsCompositor
