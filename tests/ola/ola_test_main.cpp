// The OLA tests' own main: the process enters a private network before any
// thread starts (a namespace is the calling thread's, and new threads inherit
// it), or every test is skipped with the reason.
#include <gtest/gtest.h>

#include "PrivateNetwork.h"

#ifdef OLA_WINDOW_TESTS
#include <QApplication>
#endif

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!::testing::GTEST_FLAG(list_tests))
        olatest::setOlaTestsUnavailable(olatest::enterPrivateNetwork());
#ifdef OLA_WINDOW_TESTS
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
