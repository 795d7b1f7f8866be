#include "adapters/SettingsStoreQt.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace ortavel {
namespace {

TEST(SettingsStoreQt, KeepsValuesPerApplicationSectionAndKey)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        SettingsStoreQt store(dir.path());
        EXPECT_EQ(store.value("Kavrin", "Transmitter", "CommPort", ""), "");
        EXPECT_TRUE(store.setValue("Kavrin", "Transmitter", "CommPort", "3"));
    }
    SettingsStoreQt reopened(dir.path());
    EXPECT_EQ(reopened.value("Kavrin", "Transmitter", "CommPort", ""), "3");
    EXPECT_EQ(reopened.value("Kavrin", "Other", "CommPort", "none"), "none");
    EXPECT_EQ(reopened.value("Other", "Transmitter", "CommPort", "none"), "none");
    EXPECT_TRUE(QFile::exists(dir.path() + "/Kavrin/Kavrin.conf"));
}

} // namespace
} // namespace ortavel
