// A long-lived window for one test: built and set into its global pointer; at the end of
// the test the pointer gets back what it held before, then the window is destroyed.
#pragma once

template <typename T>
class TOknoGlobalne {
public:
    explicit TOknoGlobalne(T*& globalny) : wskaznik(globalny), poprzedni(globalny) {
        wskaznik = &okno;
    }
    ~TOknoGlobalne() { wskaznik = poprzedni; }
    TOknoGlobalne(const TOknoGlobalne&) = delete;
    TOknoGlobalne& operator=(const TOknoGlobalne&) = delete;

    T* operator->() { return &okno; }
    T& operator*() { return okno; }

private:
    T*& wskaznik;
    T* poprzedni;

public:
    T okno;
};
