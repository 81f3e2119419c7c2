#pragma once

#include <QPainter>
#include <QPrinter>

#include <cstdint>

// The one printer of the run: the output and settings chosen in the setup dialog stay current
// for every later job. Throws EPrinter from core/printing.h.
class TPrinter {
public:
    QPrinter &Device() { return FDevice; }
    bool Printing() const { return FCanvas.isActive(); }

    // Opens a one-page document whose device pixels are 1/|ADpi| inch, counted from the
    // printable area's corner.
    void BeginDoc(std::int32_t ADpi);
    // The page's drawing surface, valid between BeginDoc and EndDoc.
    QPainter &Canvas() { return FCanvas; }
    void EndDoc();

private:
    QPrinter FDevice{QPrinter::HighResolution};
    QPainter FCanvas;
};
