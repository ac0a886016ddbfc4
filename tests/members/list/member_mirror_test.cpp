// Copying visible member rows into the spare list.
#include <random>

#include "MemberListFixture.h"
#include "members/MemberList.h"

namespace {

Cells MemberRow(const std::string& card, const std::string& name) {
    Cells cells = {card, name};
    for (int column = 2; column < 9; ++column) cells.push_back(name + std::to_string(column));
    return cells;
}

// The rule as stated: for each visible row, the first spare row with its card number.
void MirrorByFirstMatch(const std::vector<Cells>& visible, std::vector<Cells>& spare) {
    for (const Cells& row : visible) {
        for (Cells& twin : spare) {
            if (twin[0] != row[0]) continue;
            std::copy(row.begin() + 1, row.end(), twin.begin() + 1);
            break;
        }
    }
}

class MemberMirrorTest : public MemberListFixture {
  protected:
    void SetUp() override {
        MemberListFixture::SetUp();
        StartWindow();
        PutRows(visible(), kVisible);
        PutRows(spare(), kSpare);
    }

    const std::vector<Cells> kVisible = {MemberRow("5", "甲"), MemberRow("5", "乙"),
                                         MemberRow("6", "丙"), MemberRow("", "空"),
                                         MemberRow("8", "无备份")};
    const std::vector<Cells> kSpare = {MemberRow("6", "旧丙"), MemberRow("5", "旧甲"),
                                       MemberRow("5", "旧乙"), MemberRow("", "旧空"),
                                       MemberRow("9", "旧九")};
};

TEST_F(MemberMirrorTest, EveryVisibleRowGoesIntoTheFirstSpareRowWithItsCardNumber) {
    MirrorMemberRows(false);
    const std::vector<Cells> expected = {MemberRow("6", "丙"), MemberRow("5", "乙"),
                                         MemberRow("5", "旧乙"), MemberRow("", "空"),
                                         MemberRow("9", "旧九")};
    EXPECT_EQ(Rows(spare()), expected);
    EXPECT_EQ(Rows(visible()), kVisible);
}

TEST_F(MemberMirrorTest, TheSelectedRowAloneGoesIntoItsFirstTwin) {
    MirrorMemberRows(true);  // nothing selected
    EXPECT_EQ(Rows(spare()), kSpare);

    ListViewSetCurrentRow(visible(), 0);
    MirrorMemberRows(true);
    std::vector<Cells> expected = kSpare;
    expected[1] = MemberRow("5", "甲");
    EXPECT_EQ(Rows(spare()), expected);

    ListViewSetCurrentRow(visible(), 4);  // no twin: nothing is written or added
    MirrorMemberRows(true);
    EXPECT_EQ(Rows(spare()), expected);
}

TEST_F(MemberMirrorTest, LargeListsGiveWhatTheFirstMatchScanGives) {
    std::mt19937 random(20240601);
    const std::vector<std::string> cards = {"", "1", "2", "3", "10", "01", "x", "42", "7", "8"};
    auto someRows = [&](int count, const std::string& tag) {
        std::vector<Cells> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back(MemberRow(cards[random() % cards.size()], tag + std::to_string(i)));
        return rows;
    };
    const std::vector<Cells> visibleRows = someRows(400, "v"), spareRows = someRows(300, "s");
    PutRows(visible(), visibleRows);
    PutRows(spare(), spareRows);
    std::vector<Cells> expected = spareRows;
    MirrorByFirstMatch(visibleRows, expected);

    MirrorMemberRows(false);
    EXPECT_EQ(Rows(spare()), expected);
}

}  // namespace
