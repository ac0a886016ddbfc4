#include "runtime/inifile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "runtime/texts.h"

namespace {

namespace fs = std::filesystem;

std::string Gbk(std::string_view utf8) { return Utf8ToGbk(utf8).value(); }

class IniFileTest : public testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/ini_test_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        path_ = folder_ + "/kvt.ini";
    }
    void TearDown() override { fs::remove_all(folder_); }

    void Store(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Bytes() const {
        std::ifstream file(path_, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    std::string folder_;
    std::string path_;
};

TEST_F(IniFileTest, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(IniRead(path_, "配置", "最近登录的用户名"), "");
    Store(Gbk("[配置]\r\n最近登录的用户名=Chief\r\n"));
    EXPECT_EQ(IniRead(path_, "充值", "最近登录的用户名"), "");
    EXPECT_EQ(IniRead(path_, "配置", "默认充值方式"), "");
    EXPECT_EQ(IniRead(folder_ + "/missing/kvt.ini", "配置", "最近登录的用户名"), "");
    // Saved as UTF-8 by an editor: its names are other characters in GBK.
    Store("[配置]\r\n最近登录的用户名=Chief\r\n");
    EXPECT_EQ(IniRead(path_, "配置", "最近登录的用户名"), "");
}

TEST_F(IniFileTest, NewFileHoldsGbkBytesWithCrLf) {
    ASSERT_TRUE(IniWrite(path_, "列表显示配置", "新纪录在最前", "真"));
    const std::string bytes = Bytes();
    EXPECT_EQ(bytes, Gbk("[列表显示配置]") + "\r\n" + Gbk("新纪录在最前=") + "\xD5\xE6\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\xD5\xE6\r\n");
    EXPECT_EQ(IniRead(path_, "列表显示配置", "新纪录在最前"), "真");
}

TEST_F(IniFileTest, WritingOneKeyKeepsEveryOtherLineByteForByte) {
    const std::string before = Gbk("; shop settings\r\n"
                                   "[配置]\r\n"
                                   "最近登录的用户名=old\r\n"
                                   "other = x \r\n"
                                   "\r\n"
                                   "[充值]\r\n"
                                   "默认充值方式=微信\r\n"
                                   "junk line\r\n") +
                               "\xFF\xFE not gbk\r\n";
    Store(before);
    ASSERT_TRUE(IniWrite(path_, "配置", "最近登录的用户名", "Chief"));
    std::string expected = before;
    const std::string oldLine = Gbk("最近登录的用户名=old");
    expected.replace(expected.find(oldLine), oldLine.size(), Gbk("最近登录的用户名=Chief"));
    EXPECT_EQ(Bytes(), expected);
    EXPECT_EQ(IniRead(path_, "充值", "默认充值方式"), "微信");
    EXPECT_EQ(IniRead(path_, "配置", "other"), " x ");
}

TEST_F(IniFileTest, NewKeyGoesAtTheEndOfItsSectionInTheFilesLineEnds) {
    Store("[a]\nx=1\n\n[b]\ny=2\n");
    ASSERT_TRUE(IniWrite(path_, "a", "z", "3"));
    EXPECT_EQ(Bytes(), "[a]\nx=1\nz=3\n\n[b]\ny=2\n");
}

TEST_F(IniFileTest, NewSectionIsAppended) {
    Store("[a]\r\nx=1");  // no line end after the last line
    ASSERT_TRUE(IniWrite(path_, "充值", "默认充值方式", "现金"));
    EXPECT_EQ(Bytes(), "[a]\r\nx=1\r\n" + Gbk("[充值]\r\n默认充值方式=现金\r\n"));
    EXPECT_EQ(IniRead(path_, "a", "x"), "1");
    EXPECT_EQ(IniRead(path_, "充值", "默认充值方式"), "现金");
}

TEST_F(IniFileTest, NamesIgnoreAsciiCaseAndBlanks) {
    Store("[Config]\r\n  Name =Tom\r\n");
    EXPECT_EQ(IniRead(path_, "config", "NAME"), "Tom");
    EXPECT_EQ(IniRead(path_, " CONFIG ", " name "), "Tom");
    ASSERT_TRUE(IniWrite(path_, "CONFIG", "name", "Jim"));
    EXPECT_EQ(Bytes(), "[Config]\r\nname=Jim\r\n");
}

TEST_F(IniFileTest, FirstMatchingSectionAndKeyWin) {
    Store("[s]\r\nk=1\r\nk=2\r\n[s]\r\nk=3\r\n");
    EXPECT_EQ(IniRead(path_, "s", "k"), "1");
}

TEST_F(IniFileTest, ValuesReadBackAsWritten) {
    const std::pair<const char*, const char*> cases[] = {
        {"Tom李 [x]=y;z", "Tom李 [x]=y;z"},
        {"13800138000", "13800138000"},
        {"", ""},
        {"真 ", "真 "},  // only exactly 真 ticks the list-order box, so the blank must stay
        {" x", " x"},
    };
    for (const auto& [written, read] : cases) {
        ASSERT_TRUE(IniWrite(path_, "配置", "最近登录的用户名", written)) << written;
        EXPECT_EQ(IniRead(path_, "配置", "最近登录的用户名"), read);
    }
}

TEST_F(IniFileTest, TextGbkCannotHoldIsRefusedAndNothingWritten) {
    EXPECT_FALSE(IniWrite(path_, "配置", "最近登录的用户名", "Tom😀"));
    EXPECT_FALSE(fs::exists(path_));

    const std::string before = Gbk("[配置]\r\n最近登录的用户名=Chief\r\n");
    Store(before);
    EXPECT_FALSE(IniWrite(path_, "配置", "最近登录的用户名", "Tom😀"));
    EXPECT_FALSE(IniWrite(path_, "配置😀", "最近登录的用户名", "Tom"));
    EXPECT_FALSE(IniWrite(path_, "配置", "a\r\nb", "Tom"));
    EXPECT_FALSE(IniWrite(path_, "配置", "最近登录的用户名", "two\r\nlines"));
    EXPECT_EQ(Bytes(), before);
}

TEST_F(IniFileTest, FileInAMissingFolderIsNotWritten) {
    EXPECT_FALSE(IniWrite(folder_ + "/missing/kvt.ini", "配置", "k", "v"));
}

TEST_F(IniFileTest, BackslashSeparatesFolders) {
    ASSERT_TRUE(IniWrite(folder_ + "\\kvt.ini", "配置", "k", "v"));
    EXPECT_EQ(IniRead(path_, "配置", "k"), "v");
}

TEST_F(IniFileTest, ConcurrentWritersAndReadersSeeWholeFiles) {
    ASSERT_TRUE(IniWrite(path_, "fixed", "key", "真"));
    constexpr int kWriters = 8;
    constexpr int kWrites = 25;
    std::atomic<int> badReads{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kWriters; ++t) {
        threads.emplace_back([&, t] {
            for (int i = 1; i <= kWrites; ++i) {
                IniWrite(path_, "写入", "key" + std::to_string(t), "值" + std::to_string(i));
                if (IniRead(path_, "fixed", "key") != "真") ++badReads;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();

    EXPECT_EQ(badReads, 0);
    for (int t = 0; t < kWriters; ++t) {
        EXPECT_EQ(IniRead(path_, "写入", "key" + std::to_string(t)),
                  "值" + std::to_string(kWrites));
    }
    const std::string bytes = Bytes();
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 2 + 1 + kWriters);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

}  // namespace
