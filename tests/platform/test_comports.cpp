#include "platform/ComPorts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

void writeFile(const QString& path, const QByteArray& text)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

class ComPortsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        qunsetenv("VQPLOG_COM3");
        qunsetenv("VQPLOG_COM4");
    }
    void TearDown() override
    {
        qunsetenv("VQPLOG_COM3");
        qunsetenv("VQPLOG_COM4");
    }
    QTemporaryDir dir;
};

TEST_F(ComPortsTest, FallsBackToTheNumberedSerialDevice)
{
    EXPECT_EQ(Platform::comPortPath(1, dir.path()), "/dev/ttyS0");
    EXPECT_EQ(Platform::comPortPath(10, QString()), "/dev/ttyS9");
    EXPECT_EQ(Platform::comPortPath(0, dir.path()), QString());
}

TEST_F(ComPortsTest, FileLineMapsAPortAndTheEnvironmentOverridesIt)
{
    writeFile(dir.filePath("ComPorts.TXT"),
              "# station adapters\r\nCOM3 = /dev/ttyUSB0\r\ncom4=/dev/ttyUSB1\nCOM5=\ngarbage\n");
    EXPECT_EQ(Platform::comPortPath(3, dir.path()), "/dev/ttyUSB0");
    EXPECT_EQ(Platform::comPortPath(4, dir.path()), "/dev/ttyUSB1");
    EXPECT_EQ(Platform::comPortPath(5, dir.path()), "/dev/ttyS4");   // empty mapping ignored

    qputenv("VQPLOG_COM3", "/dev/pts/7");
    EXPECT_EQ(Platform::comPortPath(3, dir.path()), "/dev/pts/7");
    qputenv("VQPLOG_COM4", "");
    EXPECT_EQ(Platform::comPortPath(4, dir.path()), "/dev/ttyUSB1");
}

}   // namespace
