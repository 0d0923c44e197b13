#include "app/uProgram.h"

int main(int argc, char** argv) {
    return UruchomProgram(argc, argv);
}
