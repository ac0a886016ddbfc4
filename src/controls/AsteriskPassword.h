#pragma once

class QLineEdit;

// The masked box shows an asterisk for each character, whatever the platform's own mask is.
void ShowPasswordAsAsterisks(QLineEdit* box);
