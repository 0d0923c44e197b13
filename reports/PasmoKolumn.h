// The column header band of a list report.
#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

#include "reports/Raport.h"

// The band 6 mm high in a frame, with the captions in bold, each at its left edge.
TPasmo& PasmoKolumn(TRaport& raport, std::initializer_list<std::pair<QString, double>> kolumny);
