// The platform asked for before the application starts: X11 on a Wayland session with
// XWayland, otherwise Qt's own choice, and never against the user's.
#include "app/SessionPlatform.h"
#include "tests/TableRows.h"

#include <gtest/gtest.h>

namespace ampora {
namespace {

struct SessionRow {
    const char* name;
    const char* chosen;
    const char* sessionType;
    const char* display;
    const char* expected;
};

class SessionPlatformTest : public ::testing::TestWithParam<SessionRow> {};

TEST_P(SessionPlatformTest, Chooses)
{
    const SessionRow& row = GetParam();
    EXPECT_EQ(PlatformForSession(row.chosen, row.sessionType, row.display), QByteArray(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Sessions, SessionPlatformTest,
                         ::testing::Values(SessionRow{"WaylandWithXWayland", "", "wayland", ":1", "xcb;wayland"},
                                           SessionRow{"WaylandWithoutXWayland", "", "wayland", "", ""},
                                           SessionRow{"UserChoseWayland", "wayland", "wayland", ":1", ""},
                                           SessionRow{"X11Session", "", "x11", ":0", ""},
                                           SessionRow{"NoSessionType", "", "", ":0", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ampora
