#pragma once
class MainWindow;

// The page guard of 选择夹1 and the four navigation buttons.
void ConnectNavigation(MainWindow& window);

// The page guard: before login every change of page returns to page 3.
void OnPageChanged();
