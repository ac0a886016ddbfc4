#pragma once
// The member search of page 0: it works on the spare list alone and copies what it finds
// into the visible list. The spare list's selection is the last match set.

#include <string>

class ListView;

// Change of the text of 编辑框_会员管理_搜索.
void FilterMemberList();
// Replaces the list's selection by the rows whose search key of the column holds the text,
// letters compared without regard to case.
void SelectMatchingRows(ListView* list, const std::string& text, int column);
// Each character with a pinyin reading becomes the first letter of its initial; every other
// character stays as it is ("张三" gives "zs", "Tom李" gives "Toml").
std::string PinyinInitialsKey(const std::string& text);
// Not empty and ASCII letters (digits) only.
bool IsAllLetters(const std::string& text);
bool IsAllDigits(const std::string& text);

void ConnectMemberSearch(class MainWindow& window);
