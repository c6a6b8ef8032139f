// The real-input tests run on an X server of their own (xvfb-run), with the
// program's windows on Qt's X11 platform and input made by xdotool.
#include <QApplication>
#include <QProcess>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "x11_tests: no X server (run under xvfb-run)\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
