#include "FileAccess.h"

#include <gtest/gtest.h>

namespace {

TEST(WithTrailingSlash, AddsOneSlashOnlyWhereNoneEnds) {
    struct TCase {
        const char* Folder;
        const char* Expected;
    };
    const TCase cases[] = {
        {"/home/user", "/home/user/"}, {"/home/user/", "/home/user/"}, {"/", "/"},
        {"relative", "relative/"},     {"twice//", "twice//"},         {"", "/"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Folder);
        EXPECT_EQ(WithTrailingSlash(QString::fromUtf8(c.Folder)), QString::fromUtf8(c.Expected));
    }
}

} // namespace
