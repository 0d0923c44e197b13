#include "store/Katalogi.h"

QString KatalogProgramu;
QString KatalogBazy;
