// The client panel, the film panel and the rental basket of the desk.
#include "app/uMain.h"

void TfMain::WczytajKLIENTA() {}

void TfMain::cbKlientChange() {}

void TfMain::WczytajFILM() {}

void TfMain::cbTytulOrgChange(QComboBox*) {}

void TfMain::bNastepnyClick() {}

void TfMain::miDeleteClick() {}
