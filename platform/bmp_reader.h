#pragma once

#include <QImage>
#include <QString>

// Reads a Windows BMP file. Throws std::exception subclasses carrying the
// loading error messages the user sees.
QImage LoadBitmapFile(const QString &AFileName);
