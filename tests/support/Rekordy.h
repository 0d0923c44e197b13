// Fixtures shared by the tests of the client and film windows and their write functions:
// a store with the scripted interaction layer, the program's folder in a temporary one, and
// a row added to a table with its further columns.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "support/FakeInterakcja.h"
#include "support/TestowaBaza.h"

// KatalogProgramu and the program's settings file in a temporary folder with Config/
// holding the given word lists (file under Config/, text written in the lists' code page);
// both put back at the end.
class TKatalogProgramu {
public:
    explicit TKatalogProgramu(const std::vector<std::pair<const char*, const char*>>& listy = {});
    ~TKatalogProgramu();
    TKatalogProgramu(const TKatalogProgramu&) = delete;
    TKatalogProgramu& operator=(const TKatalogProgramu&) = delete;

    // Writes the word list (a file under Config/) in the lists' code page.
    void Zapisz(const char* plik, const char* tekst) const;

private:
    QTemporaryDir program;
    QString stary;
};

// The word lists of the film record and the search.
inline const std::vector<std::pair<const char*, const char*>> ListyFilmow = {
    {"gatunek.wdn", "dramat\r\nkomedia\r\nkryminał\r\n"}, {"nosnik.wdn", "DVD\r\nVHS\r\n"}};

// Runs the insert, then sets the further columns (reszta: "Col = value, ..."; may be
// empty) of the row it added; returns the row's ID.
int DodajWiersz(const TestowaBaza& baza, const QString& tabela, const QString& insert,
                const QString& reszta = QString());

// A fresh store and the scripted interaction layer.
class TBazaTestu : public ::testing::Test {
protected:
    TestowaBaza baza;
    FakeInterakcja fake;
};
