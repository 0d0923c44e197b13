// Painting of laid-out report pages, and the machine's printing.
#pragma once

#include <QString>
#include <vector>

#include "reports/Raport.h"

class QPainter;
class QPagedPaintDevice;
class QPrinter;

// Sets A4 portrait with 10 mm margins on every side.
void UstawStroneRaportu(QPagedPaintDevice& urzadzenie);
// Sets the given paper; a paper wider than high prints in landscape, and a paper without
// margins is used to its edges.
void UstawStrone(QPagedPaintDevice& urzadzenie, const TFormatStrony& format);
// Draws one page; the painter's origin is the corner of the printable area and one
// millimetre is pikseliNaMm device units.
void RysujStrone(QPainter& painter, const TStrona& strona, double pikseliNaMm);
// Draws all pages on a printer, a preview printer or a PDF writer; false when painting
// cannot start on the device.
bool RysujRaport(QPagedPaintDevice& urzadzenie, const std::vector<TStrona>& strony);
// The same for the pages of a report, each made, drawn and let go in turn.
bool RysujRaport(QPagedPaintDevice& urzadzenie, TRaport& raport);

// The machine's printing. The program uses the system's; tests install their own.
class TDrukarka {
public:
    virtual ~TDrukarka() = default;
    // Whether the machine has a default printer.
    virtual bool JestDrukarka() = 0;
    // Prints the report on the default printer with no progress window; false on failure.
    virtual bool Drukuj(TRaport& raport) = 0;
};

// The printing in force (the system's unless a test installed another).
TDrukarka& Drukarka();
// Installs a printing; nullptr restores the system's. The caller keeps ownership.
void UstawDrukarke(TDrukarka* drukarka);
