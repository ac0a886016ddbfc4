#include "runtime/folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        Set(value);
    }
    ~ScopedEnv() { Set(old_ ? old_->c_str() : nullptr); }
    void Set(const char* value) {
        if (value)
            setenv(name_, value, 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

class SpecialFolderPathTest : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/folders_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
    }
    void TearDown() override { fs::remove_all(root_); }
    std::string root_;
};

TEST_F(SpecialFolderPathTest, SettingsFolderFollowsXdgConfigHomeAndIsCreated) {
    ScopedEnv xdg("XDG_CONFIG_HOME", (root_ + "/one/").c_str());
    EXPECT_EQ(SpecialFolderPath(kProgramSettingsFolder), root_ + "/one/frontdesk-shop");
    EXPECT_TRUE(fs::is_directory(root_ + "/one/frontdesk-shop"));

    xdg.Set((root_ + "/two").c_str());
    EXPECT_EQ(SpecialFolderPath(kProgramSettingsFolder), root_ + "/two/frontdesk-shop");
    EXPECT_TRUE(fs::is_directory(root_ + "/two/frontdesk-shop"));
}

TEST_F(SpecialFolderPathTest, WithoutXdgConfigHomeItIsUnderHome) {
    ScopedEnv home("HOME", root_.c_str());
    for (const char* xdgValue : {static_cast<const char*>(nullptr), "", "relative/path"}) {
        ScopedEnv xdg("XDG_CONFIG_HOME", xdgValue);
        EXPECT_EQ(SpecialFolderPath(kProgramSettingsFolder), root_ + "/.config/frontdesk-shop");
    }
    EXPECT_TRUE(fs::is_directory(root_ + "/.config/frontdesk-shop"));
}

TEST_F(SpecialFolderPathTest, UnknownCodesGiveEmpty) {
    ScopedEnv xdg("XDG_CONFIG_HOME", root_.c_str());
    EXPECT_EQ(SpecialFolderPath(0), "");
    EXPECT_EQ(SpecialFolderPath(7), "");
    EXPECT_TRUE(fs::is_empty(root_));
}

}  // namespace
