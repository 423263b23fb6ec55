// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "SignalCloser.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace brimbal {

#ifdef Q_OS_UNIX

namespace {

int Pipe[2] = {-1, -1};
const int KSignals[] = {SIGTERM, SIGINT, SIGHUP};
// Set from the first signal until its action has run.
volatile std::sig_atomic_t Pending = 0;

extern "C" void HandleSignal(int signal) {
    if (Pending) {
        // The first signal has not ended the program yet (the event loop is busy): this one
        // ends it at once, the way it would without a handler.
        ::signal(signal, SIG_DFL);
        ::raise(signal);
        return;
    }
    Pending = 1;
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(Pipe[0], &byte, 1);
    errno = saved;
}

} // namespace

TSignalCloser::TSignalCloser(std::function<void()> action, QObject* parent)
    : QObject(parent), Action(std::move(action)) {
    if (Pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, Pipe) != 0) {
        return;
    }
    for (int end : Pipe) {
        ::fcntl(end, F_SETFL, ::fcntl(end, F_GETFL) | O_NONBLOCK);
    }
    Notifier = new QSocketNotifier(Pipe[1], QSocketNotifier::Read, this);
    connect(Notifier, &QSocketNotifier::activated, this, &TSignalCloser::Activated);
    struct sigaction handler = {};
    handler.sa_handler = HandleSignal;
    sigemptyset(&handler.sa_mask);
    handler.sa_flags = SA_RESTART;
    FInstalled = true;
    for (int signal : KSignals) {
        FInstalled = ::sigaction(signal, &handler, nullptr) == 0 && FInstalled;
    }
}

TSignalCloser::~TSignalCloser() {
    if (!Notifier) {
        return;
    }
    struct sigaction fallback = {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    for (int signal : KSignals) {
        ::sigaction(signal, &fallback, nullptr);
    }
    ::close(Pipe[0]);
    ::close(Pipe[1]);
    Pipe[0] = Pipe[1] = -1;
}

void TSignalCloser::Activated() {
    char bytes[16];
    while (::read(Pipe[1], bytes, sizeof bytes) > 0) {
    }
    if (Action) {
        Action();
    }
    Pending = 0;
}

#else

TSignalCloser::TSignalCloser(std::function<void()> action, QObject* parent)
    : QObject(parent), Action(std::move(action)) {}

TSignalCloser::~TSignalCloser() = default;

void TSignalCloser::Activated() {}

#endif

} // namespace brimbal
