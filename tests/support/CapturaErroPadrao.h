#pragma once
// Standard error of this process caught in a temporary file while the object lives, for tests
// of what a program writes there. Captures do not nest.

#include <QByteArray>
#include <QTemporaryFile>

#include <unistd.h>
#include <cstdio>

class CapturaErroPadrao {
public:
    CapturaErroPadrao() {
        arquivo_.open();
        std::fflush(stderr);
        original_ = ::dup(STDERR_FILENO);
        ::dup2(arquivo_.handle(), STDERR_FILENO);
    }
    ~CapturaErroPadrao() {
        std::fflush(stderr);
        ::dup2(original_, STDERR_FILENO);
        ::close(original_);
    }
    CapturaErroPadrao(const CapturaErroPadrao&) = delete;
    CapturaErroPadrao& operator=(const CapturaErroPadrao&) = delete;

    // Everything written so far.
    QByteArray Texto() {
        std::fflush(stderr);
        arquivo_.seek(0);
        return arquivo_.readAll();
    }

private:
    QTemporaryFile arquivo_;
    int original_ = -1;
};
