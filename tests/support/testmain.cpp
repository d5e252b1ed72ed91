// Test entry: an application object (offscreen for window tests) and a configuration
// directory of its own, so no test reads or writes the user's settings.

#include "common/dialogs.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class SeamReset : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo &) override
    {
        DialogSeam::clear();
        SetNowForTesting(QDateTime());
    }
};

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir configDir;
    qputenv("PAPYRA_CONFIG_DIR", configDir.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new SeamReset);
    return RUN_ALL_TESTS();
}
