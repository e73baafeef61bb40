// Test entry point: one QApplication (offscreen in CTest) for widget and pure tests alike.
#include <QApplication>
#include <csignal>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    std::signal(SIGXFSZ, SIG_IGN); // as the program does, so a write past the size limit fails
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
