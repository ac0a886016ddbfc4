#pragma once
#include <string>

// The folder code under which the program keeps its settings.
constexpr int kProgramSettingsFolder = 8;

// The folder for a folder code, created when missing, without a trailing separator;
// "" for a code the program does not know. The settings folder is
// $XDG_CONFIG_HOME/<program folder> (default ~/.config/<program folder>).
std::string SpecialFolderPath(int folderCode);
