// The query object: holds one statement at a time, runs it or opens it, and exposes
// the open result's current row by column name (letter case ignored).
#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

#include "store/Kwota.h"

class TBaza;
class TKursor;

// One column of the current row. A null value reads as 0, the empty text, False or
// no date.
class TField {
public:
    enum class TTyp { Inny, Logiczny, Data, Kwota };

    TField() = default;
    TField(QString nazwaPola, TTyp typPola, QVariant wartoscPola)
        : nazwa(std::move(nazwaPola)), typ(typPola), wartosc(std::move(wartoscPola)) {}

    const QString& FieldName() const { return nazwa; }
    bool IsNull() const { return wartosc.isNull(); }
    const QVariant& Value() const { return wartosc; }
    int AsInteger() const;
    qint64 AsLargeInt() const;
    double AsFloat() const;
    // A money column: the stored złoty rounded once to the grosz.
    TKwota AsKwota() const;
    bool AsBoolean() const;
    QDate AsDate() const;
    // Text as the program shows it: dates "dd.mm.yyyy", booleans True/False, reals in
    // general format with the decimal comma.
    QString AsString() const;

private:
    friend class TQuery;  // sets each row's value in place
    QString nazwa;
    TTyp typ = TTyp::Inny;
    QVariant wartosc;
};

class TQuery {
public:
    // nullptr: the active connection at the time the statement runs.
    explicit TQuery(TBaza* polaczenie = nullptr);
    ~TQuery();
    TQuery(const TQuery&) = delete;
    TQuery& operator=(const TQuery&) = delete;

    const QString& SQL() const { return tekst; }
    void UstawSQL(const QString& sql);

    // A value for a :name parameter of the statement (the name with or without ':', letter
    // case ignored). A parameter without a value is null.
    void UstawParametr(const QString& nazwa, const QVariant& wartosc);

    // Opens the statement positioned on the first row (at end when empty). Throws TBladBazy.
    void Open();
    // Runs a statement that returns no rows. Throws TBladBazy.
    void ExecSQL();
    void Close();

    bool Active() const { return kursor != nullptr; }
    bool Eof() const { return koniec; }
    // Move through the open result; a failing read is reported (ZglosBladBazy) and closes
    // the query (so Eof turns true).
    void Next();
    // Next for a reader on another thread: a failing read throws TBladBazy (the query
    // closed) instead of being reported.
    void Dalej();
    void First();
    // The current row's number in the result, from 0.
    int Pozycja() const { return pozycja; }
    // Counts the result's rows (reads the result once more; the position stays).
    int RecordCount();

    int FieldCount() const { return liczbaKolumn; }
    QString FieldName(int i) const;
    // A column the result lacks (or a closed query) reads as null; the first such read
    // of an opened statement is reported as a failing statement is (ZglosBladBazy).
    const TField& FieldByName(const QString& nazwa) const;
    const TField* FindField(const QString& nazwa) const;

    int RowsAffected() const { return zmienione; }

    // For readers of many rows: a column's index found once (-1 when the result lacks it;
    // nothing is reported), then its value read by index as FieldByName gives it.
    int IndeksPola(const QString& nazwa) const;
    const TField& Pole(int i) const;
    // The value as AsLargeInt() gives it; a stored integer is read without a TField.
    qint64 Calkowita(int i) const;
    // The value as AsString() gives it, in UTF-8: stored text as the store's own bytes
    // (valid until the query moves), anything else made into zapas.
    QByteArrayView TekstUtf8(int i, QByteArray& zapas) const;

private:
    std::unique_ptr<TKursor> Przygotuj();
    void Krok();
    void KrokBezWyjatku();

    TBaza* baza;
    QString tekst;
    QHash<QString, QVariant> parametry;  // by upper-case name with ':'
    std::unique_ptr<TKursor> kursor;
    bool koniec = true;
    int pozycja = 0;
    int zmienione = 0;
    int liczbaKolumn = 0;
    // The current row's fields, read from the statement when first asked for.
    mutable std::vector<TField> wiersz;
    mutable std::vector<char> wczytane;
    // What a missing column reads as, and whether the miss was reported.
    mutable TField brak;
    mutable bool brakZgloszony = false;
    // Each column's name as the store gives it (UTF-8), for finding columns by name.
    std::vector<QByteArray> nazwyKolumn;
};
