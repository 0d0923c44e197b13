// The start-up upgrade: adds the columns that later versions introduced to tables
// that lack them. The set of columns present is the version.
#pragma once

class TQuery;

void AktualizujStrukture(TQuery& query);
