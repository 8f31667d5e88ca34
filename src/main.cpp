#include "program.h"

int main(int argc, char** argv) {
    return hv::programMain(argc, argv);
}
