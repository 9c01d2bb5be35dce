// The choice of display platform on a Wayland desktop.
#include "platform/Application.h"

#include <gtest/gtest.h>
#include <optional>

using namespace festoon;

namespace {

// Sets or clears the display variables for one test and puts the old values back.
class DisplayEnvironment {
  public:
    DisplayEnvironment(const char* platform, const char* wayland, const char* x11) {
        set("QT_QPA_PLATFORM", platform);
        set("WAYLAND_DISPLAY", wayland);
        set("DISPLAY", x11);
    }
    ~DisplayEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                qputenv(name, *value);
            } else {
                qunsetenv(name);
            }
        }
    }

  private:
    void set(const char* name, const char* value) {
        saved_.emplace_back(name,
                            qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        if (value) {
            qputenv(name, value);
        } else {
            qunsetenv(name);
        }
    }
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

} // namespace

TEST(PreferX11Platform, WaylandDesktopRunsThroughXWayland) {
    DisplayEnvironment environment(nullptr, "wayland-0", ":0");
    PreferX11Platform();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray("xcb"));
}

TEST(PreferX11Platform, UsersOwnChoiceIsKept) {
    DisplayEnvironment environment("wayland", "wayland-0", ":0");
    PreferX11Platform();
    EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), QByteArray("wayland"));
}

TEST(PreferX11Platform, NothingChangesOffWaylandOrWithoutXWayland) {
    {
        DisplayEnvironment environment(nullptr, nullptr, ":0");
        PreferX11Platform();
        EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
    }
    {
        DisplayEnvironment environment(nullptr, "wayland-0", nullptr);
        PreferX11Platform();
        EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
    }
}
