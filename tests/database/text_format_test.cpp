#include "database/text_format.h"

#include <gtest/gtest.h>

namespace hv {

TEST(TextFormat, TextLongerThanTheFirstBufferComesOutWhole) {
    const std::string longName(600, 'n');
    EXPECT_EQ(formatText("<%s>", longName.c_str()), "<" + longName + ">");
    std::string out = "kept ";
    appendFormat(out, "%d %s", 42, longName.c_str());
    EXPECT_EQ(out, "kept 42 " + longName);
}

}  // namespace hv
