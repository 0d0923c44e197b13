// Code 128 barcodes from libzint, as filled rectangles in millimetres that the page
// painter draws with QPainter, so they stay sharp at any resolution.
#pragma once

#include <QRectF>
#include <QString>
#include <vector>

// Width of the quiet zone left clear on each side of the bars, in modules.
inline constexpr int StrefaCiszy = 10;

struct TKodKreskowy {
    std::vector<QRectF> kreski;  // the bars, within the box asked for
    QString blad;                // why there are no bars (empty when there are)
    double modul = 0;            // the narrowest bar's width, mm
};

// The bars of a Code 128 symbol of the text (printable ASCII), fitted into the box with
// a quiet zone of StrefaCiszy modules on each side; the bars take the box's full height.
TKodKreskowy KodCode128(const QString& tekst, const QRectF& obszar);
