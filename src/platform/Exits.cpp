#include "platform/Exits.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "platform/TPlatform.h"

int Print(const std::string& text) {
    std::cout << text << '\n' << std::flush;
    return 0;
}

int Notify(const std::string& text, int serious) {
    std::cerr << text << '\n' << std::flush;
    TPlatform::Instance().Backend().ShowMessage(text, serious != 0);
    return 0;
}

void RuntimeError(const std::string& text) {
    std::cerr << "Runtime error: " << text << '\n' << std::flush;
    std::fflush(stdout);
    std::exit(EXIT_FAILURE);
}

void End() {
    std::fflush(stdout);
    std::exit(EXIT_SUCCESS);
}
