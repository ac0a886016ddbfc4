#pragma once

class QLineEdit;

// Keeps every figure of a right-aligned one-line box whole. A figure wider than the box
// first takes room on the box's left, as far as the text of the left-aligned neighbour box
// there leaves free; what still does not fit is shown in a smaller pixel size of the box's
// font. Any other figure keeps the box's place and the font its style sheet stores.
void KeepFigureWhole(QLineEdit* box, QLineEdit* leftNeighbour);
