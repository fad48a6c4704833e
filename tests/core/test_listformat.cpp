#include <gtest/gtest.h>

#include "core/ListFormat.h"

using namespace ListFormat;

TEST(ListFormat, LogLineRoundTrip)
{
    const QByteArray line = "\"K9XYZ\",\"599\",\"599\",\"OH\",\"\",\"\",\"Marion\",\"\",\"\",\"\",\"\",\"2024/05/04\",\"14:02:11\",\"CW\",\"20\",0,\"\",\"\",\"14.025\"\r\n";
    Reader r(line);
    Value v;
    int count = 0;
    Writer w;
    while (r.next(v)) {
        ++count;
        if (count == 16) {
            ASSERT_EQ(v.kind, Value::Kind::Number);
            w.number(v.number);
        } else {
            ASSERT_EQ(v.kind, Value::Kind::Text);
            w.text(v.text);
        }
    }
    w.endLine();
    EXPECT_EQ(count, 19);
    EXPECT_EQ(w.data(), line);
}
