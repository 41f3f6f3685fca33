// brindlewick_datagen <outdir>: writes <outdir>/Data, <outdir>/icons and <outdir>/review.
#include "DataGen.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <outdir>\n", argv[0]);
        return 2;
    }
    try {
        datagen::generateData(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brindlewick_datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
