#include "members/MemberSearch.h"

#include <QLineEdit>
#include <utility>
#include <vector>

#include "controls/ListView.h"
#include "controls/ListViewOps.h"
#include "controls/UnitProperties.h"
#include "controls/WindowThread.h"
#include "form/MainWindow.h"
#include "members/MemberListSweep.h"
#include "members/MemberSearchKeys.h"
#include "runtime/pinyin.h"

namespace {

constexpr int kNameColumn = 1;
constexpr int kPhoneColumn = 2;

// The length of the UTF-8 character that starts with this byte (1 for a stray byte).
size_t CharacterLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

template <typename Test>
bool AllBytes(const std::string& text, Test test) {
    if (text.empty()) return false;
    for (const char c : text)
        if (!test(c)) return false;
    return true;
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Copies the spare rows into the visible list with one notification.
void ShowSpareRows(ListView* visible, ListView* spare, const std::vector<int>& rows) {
    visible->clearRows();
    visible->appendRowsOf(*spare, rows);
    NoteVisibleMemberRows(rows);
}

}  // namespace

std::string PinyinInitialsKey(const std::string& text) {
    std::string key;
    key.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = std::min(CharacterLength(text[at]), text.size() - at);
        const std::string_view character(text.data() + at, length);
        at += length;
        if (length == 1 || PinyinOfChar(character, 1).empty()) {
            key.append(character);
            continue;
        }
        const std::string initial = PinyinInitialOfChar(character, 1);
        if (!initial.empty()) key += initial[0];
    }
    return key;
}

bool IsAllLetters(const std::string& text) {
    return AllBytes(text, [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

bool IsAllDigits(const std::string& text) {
    return AllBytes(text, [](char c) { return c >= '0' && c <= '9'; });
}

void SelectMatchingRows(ListView* list, const std::string& text, int column) {
    RunOnWindowThread([&] {
        const std::string wanted = LowerAscii(text);
        const std::vector<std::string>& keys = SearchKeysOf(list, column);
        const int rows = static_cast<int>(keys.size());
        std::vector<int> matches;
        for (int row = 0; row < rows; ++row)
            if (keys[row].find(wanted) != std::string::npos) matches.push_back(row);
        // The whole match set at once, put in place of the old one without comparing the two:
        // after a broad text that comparison costs the old set times the new one.
        list->setSelectedRows(matches);
        // Scrolling a hidden list to each match in turn ends where scrolling to the last does.
        if (!matches.empty()) list->ensureRowVisible(matches.back());
    });
}

void FilterMemberList() {
    auto& ui = TheMainWindow().ui;
    ListView* visible = ui.超级列表框_会员管理_会员列表;
    ListView* spare = ui.超级列表框_会员管理_会员列表备用;
    const std::string text = TextOf(ui.编辑框_会员管理_搜索);
    if (text.empty()) {
        visible->clearRows();
        NoteVisibleMemberRows({});
        return;
    }
    if (IsAllLetters(text)) SelectMatchingRows(spare, text, kNameColumn);
    if (IsAllDigits(text)) SelectMatchingRows(spare, text, kPhoneColumn);
    ShowSpareRows(visible, spare, spare->selectedRows());
}

void ConnectMemberSearch(MainWindow& window) {
    window.ui.超级列表框_会员管理_会员列表备用->setMultiSelection(true);
    QObject::connect(window.ui.编辑框_会员管理_搜索, &QLineEdit::textChanged, &window,
                     [] { FilterMemberList(); });
}
