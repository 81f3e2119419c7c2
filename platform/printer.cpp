#include "platform/printer.h"

#include "core/printing.h"

#include <cstdlib>
#include <limits>

void TPrinter::BeginDoc(std::int32_t ADpi) {
    if (Printing())
        throw EPrinter("Printing in progress");
    FDevice.setFullPage(false);
    FDevice.setDocName(QString());
    const std::int32_t Magnitude = ADpi == std::numeric_limits<std::int32_t>::min()
                                       ? std::numeric_limits<std::int32_t>::max()
                                       : std::abs(ADpi);
    FDevice.setResolution(Magnitude);
    if (!FCanvas.begin(&FDevice))
        throw EPrinter("Printer selected is not valid");
}

void TPrinter::EndDoc() {
    FCanvas.end();
}
