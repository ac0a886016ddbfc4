#pragma once

// Lets the forms name the shop's font families (微软雅黑, 楷体, 宋体): each maps onto an
// installed CJK family of the same style.
void InstallFontSubstitutes();
