#pragma once
class QLabel;

// Puts the decorative picture of the login area into its picture box: a wooden basin
// of warm water under rising steam.
void ShowLoginPicture(QLabel* pictureBox);
