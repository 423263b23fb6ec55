// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace brimbal {

// Turns SIGTERM, SIGINT and SIGHUP into a call on the GUI thread: the signal handler only writes
// a byte into a pipe, and the event loop runs the action when it reads it. A second signal that
// arrives before the action has run ends the program at once, as it would without a handler.
class TSignalCloser : public QObject {
    Q_OBJECT

public:
    explicit TSignalCloser(std::function<void()> action, QObject* parent = nullptr);
    ~TSignalCloser() override;

    // False when the pipe or the handlers could not be set up.
    bool Installed() const { return FInstalled; }

private:
    void Activated();

    std::function<void()> Action;
    QSocketNotifier* Notifier = nullptr;
    bool FInstalled = false;
};

} // namespace brimbal
