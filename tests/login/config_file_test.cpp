// Where kvt.ini lives: the settings folder of the user, read anew at every use.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>

#include "login/ConfigFile.h"

namespace {

TEST(ConfigFilePath, FollowsTheSettingsFolderAtEveryUse) {
    QTemporaryDir first, second;
    setenv("XDG_CONFIG_HOME", first.path().toUtf8().constData(), 1);
    EXPECT_EQ(ConfigFilePath(), first.path().toStdString() + "/frontdesk-shop/kvt.ini");
    setenv("XDG_CONFIG_HOME", second.path().toUtf8().constData(), 1);
    EXPECT_EQ(ConfigFilePath(), second.path().toStdString() + "/frontdesk-shop/kvt.ini");
}

}  // namespace
