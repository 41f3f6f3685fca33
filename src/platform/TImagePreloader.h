#pragma once

#include <future>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/TPixmap.h"

// Decodes picture files on a worker thread ahead of the loads that will ask
// for them, so start-up decodes the next picture while the game thread cuts
// and uploads the current one. A load takes its file's result (waiting for it
// if need be); files nobody asked for are decoded anyway and dropped with the
// preloader.
class TImagePreloader {
public:
    // The preloader of the process: one batch of files at a time.
    static TImagePreloader& Instance();

    TImagePreloader() = default;
    ~TImagePreloader();
    TImagePreloader(const TImagePreloader&) = delete;
    TImagePreloader& operator=(const TImagePreloader&) = delete;

    // Starts decoding these files, in order; a batch still running is
    // finished and dropped first.
    void Start(const std::vector<std::string>& paths);
    // The decoded picture of a file of the batch (empty when it could not be
    // decoded), once; nothing when the file was not preloaded.
    std::optional<TPixmapPtr> Take(const std::string& path);
    // Waits for the worker and drops whatever was not taken.
    void Stop();

private:
    std::map<std::string, std::shared_future<TPixmapPtr>> pending_;
    std::thread worker_;
};
