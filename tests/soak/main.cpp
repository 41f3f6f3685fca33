// brindlewick_bot: plays the game headless for a given stretch of game time.
//
//   brindlewick_bot [--data DIR] [--steps N] [--seed S] [--frame-ms MS]
//                   [--baseline-steps N] [--max-growth PERCENT] [--report-steps N] [--tour]
//
// --data: the folder that holds Data/ (default: the current folder).
// --steps: logic steps of game time (200 a second; 720000 is an hour).
// --baseline-steps, --max-growth: fail when the resident memory at the end is
//   more than PERCENT above the memory after the baseline.
// --tour: instead of random play, visit every screen once and quit.

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "TRandomBot.h"
#include "TTourBot.h"

namespace {
[[noreturn]] void Usage(const std::string& problem) {
    std::cerr << "brindlewick_bot: " << problem << "\n"
              << "usage: brindlewick_bot [--data DIR] [--steps N] [--seed S] [--frame-ms MS]\n"
                 "       [--baseline-steps N] [--max-growth PERCENT] [--report-steps N] "
                 "[--tour]\n";
    std::exit(2);
}

int64_t Number(const std::string& text, const std::string& option) {
    try {
        size_t used = 0;
        auto value = std::stoll(text, &used);
        if (used == text.size() && value >= 0) {
            return value;
        }
    } catch (const std::exception&) {
    }
    Usage("bad value for " + option + ": " + text);
}
} // namespace

int main(int argc, char** argv) {
    TBot::Options options;
    bool tour = false;
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--tour") {
            tour = true;
            continue;
        }
        if (i + 1 >= argc) {
            Usage("missing value for " + option);
        }
        std::string value = argv[++i];
        if (option == "--data") {
            options.dataFolder = value;
        } else if (option == "--steps") {
            options.steps = Number(value, option);
        } else if (option == "--seed") {
            options.seed = static_cast<unsigned>(Number(value, option));
        } else if (option == "--frame-ms") {
            options.frameMs = static_cast<int>(Number(value, option));
        } else if (option == "--baseline-steps") {
            options.baselineSteps = Number(value, option);
        } else if (option == "--max-growth") {
            options.maxGrowthPercent = static_cast<double>(Number(value, option));
        } else if (option == "--report-steps") {
            options.reportEverySteps = Number(value, option);
        } else {
            Usage("unknown option " + option);
        }
    }
    if (options.frameMs < 2 || options.frameMs > 100) {
        Usage("--frame-ms must be between 2 and 100");
    }
    std::unique_ptr<TBot> bot;
    if (tour) {
        bot = std::make_unique<TTourBot>(options);
    } else {
        bot = std::make_unique<TRandomBot>(options);
    }
    bot->Run();
}
