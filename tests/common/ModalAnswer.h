// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the next modal window of type T: polls until it is the active modal widget, then runs
// the answer on it. Should the window still be open a few seconds later, it is closed, so that a
// broken answer fails the test instead of hanging it.
template <typename T> class TModalAnswer {
public:
    explicit TModalAnswer(std::function<void(T*)> answer) : Answer(std::move(answer)) {
        Poll.setInterval(10);
        QObject::connect(&Poll, &QTimer::timeout, [this] { Check(); });
        Poll.start();
    }

    // Whether the window appeared and was answered.
    bool Answered() const { return FAnswered; }
    // Whether the window had to be closed because the answer left it open.
    bool TimedOut() const { return FTimedOut; }

private:
    void Check() {
        if (!FAnswered) {
            if (auto* window = qobject_cast<T*>(QApplication::activeModalWidget())) {
                FAnswered = true;
                Window = window;
                Answer(window);
            }
            return;
        }
        if (++TicksSinceAnswer < 300) {
            return;
        }
        Poll.stop();
        if (Window && Window->isVisible()) {
            FTimedOut = true;
            Window->close();
        }
    }

    std::function<void(T*)> Answer;
    QTimer Poll;
    QPointer<T> Window;
    int TicksSinceAnswer = 0;
    bool FAnswered = false;
    bool FTimedOut = false;
};
