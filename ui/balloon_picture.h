#pragma once

#include <QImage>

// The hint balloon: a yellow speech balloon with a black outline and its tail rising to a tip at
// column 29, row 0, on white. 300 x 75, 24-bit; white is its see-through colour.
QImage DrawBalloonPicture();
