#include "runtime/pinyin.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

struct PinyinCase {
    const char* character;
    const char* reading;
    const char* initial;
};

TEST(Pinyin, ReadingsAndInitialsOfSingleCharacters) {
    const PinyinCase cases[] = {
        {"张", "zhang", "zh"},
        {"三", "san", "s"},
        {"李", "li", "l"},
        {"安", "an", "a"},
        {"小", "xiao", "x"},
        {"明", "ming", "m"},
        {"顺", "shun", "sh"},
        {"陈", "chen", "ch"},
        {"王", "wang", "w"},
        {"杨", "yang", "y"},
        {"欧", "ou", "o"},
        {"二", "er", "e"},
        // No reading: not Han, or Han without one, or not one character.
        {"a", "", ""},
        {"Z", "", ""},
        {"１", "", ""},
        {"，", "", ""},
        {"々", "", ""},
        {"😀", "", ""},
        {"", "", ""},
        {"张三", "", ""},
        {"\xE5\xBC", "", ""},
    };
    for (const PinyinCase& c : cases) {
        EXPECT_EQ(PinyinOfChar(c.character, 1), c.reading) << c.character;
        EXPECT_EQ(PinyinInitialOfChar(c.character, 1), c.initial) << c.character;
    }
}

TEST(Pinyin, ConcurrentCallsAgree) {
    std::vector<std::thread> threads;
    std::atomic<int> wrong{0};
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (const char* c : {"张", "顺", "李", "明", "顾", "赵"}) {
                if (PinyinOfChar(c).empty()) ++wrong;
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong, 0);
}

}  // namespace
