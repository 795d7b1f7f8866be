#include <QCoreApplication>

#include <gtest/gtest.h>

// Test programs that use Qt classes need an application object.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
