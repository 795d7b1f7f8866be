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

TEST(SettingsStoreQt, ReadsGarbageAsText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir().mkpath(dir.path() + "/Kavrin");
    QFile file(dir.path() + "/Kavrin/Kavrin.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Transmitter]\nCommPort=\"\\xff\\0 x\nbroken line without equals\n[[[\n");
    file.close();
    SettingsStoreQt store(dir.path());
    // Whatever the file holds, reading it gives a text and never fails.
    const std::string value = store.value("Kavrin", "Transmitter", "CommPort", "default");
    EXPECT_NE(value, "3");
    EXPECT_TRUE(store.setValue("Kavrin", "Transmitter", "CommPort", "2"));
    EXPECT_EQ(store.value("Kavrin", "Transmitter", "CommPort", ""), "2");
}

} // namespace
} // namespace ortavel
