// A disk that fills up: while a limit lives, no file of this process grows past the given
// size. A write that would take a file further writes what fits and then fails, as on a full
// disk; where the C library's buffer holds the bytes, the failure comes when the file is
// flushed or closed, exactly as it would on a real one.
#pragma once

#include <cstdint>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

class FileSizeLimit {
public:
#ifdef _WIN32
    // Windows has no such limit for one process.
    static constexpr bool kSupported = false;
    explicit FileSizeLimit(uint64_t) {}
    bool Holds() const {
        return false;
    }
#else
    static constexpr bool kSupported = true;

    explicit FileSizeLimit(uint64_t bytes) {
        // Going past the limit also raises SIGXFSZ, which would end the process.
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        if (getrlimit(RLIMIT_FSIZE, &previous_) != 0) {
            return;
        }
        rlimit limited = previous_;
        limited.rlim_cur = static_cast<rlim_t>(bytes);
        holds_ = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        if (holds_) {
            setrlimit(RLIMIT_FSIZE, &previous_);
        }
        std::signal(SIGXFSZ, previousHandler_);
    }
    // False when the system refused the limit (one above the hard limit): nothing is limited.
    bool Holds() const {
        return holds_;
    }

private:
    rlimit previous_ = {};
    void (*previousHandler_)(int) = SIG_DFL;
    bool holds_ = false;
#endif

    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
};
