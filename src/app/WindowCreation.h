#pragma once
class MainWindow;

// Puts the freshly created window into its start state.
void OnWindowCreated(MainWindow& window);
