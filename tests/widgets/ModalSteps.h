#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

// Modal dialogs run their own event loop; these helpers act inside it once it has started.

/// Runs `step` on the modal dialog of type Dialog that opens next. A modal window of another
/// kind is closed (and the test fails) so that the test does not wait forever.
template <typename Dialog, typename Step> void OnNextModal(Step step) {
    QTimer::singleShot(0, [step = std::move(step)]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "expected another modal window";
            if (modal)
                modal->close();
            return;
        }
        step(*dialog);
    });
}

/// Closes the message box that opens next, keeping its text.
inline void CloseNextMessage(QString& text) {
    OnNextModal<QMessageBox>([&text](QMessageBox& box) {
        text = box.text();
        box.accept();
    });
}

/// Runs `act` on the dialog of type D as soon as the menu command shows it, then closes it with
/// OK (`accept`) or Cancel. Any other modal window is cancelled so that a test cannot hang. The
/// dialog may take its time to appear on a busy machine; after a minute the test goes on
/// without it (and fails for not having seen it).
template <typename D> void WhenShown(bool& seen, bool accept, std::function<void(D&)> act = {}) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    const QDeadlineTimer deadline(60000);
    QObject::connect(timer, &QTimer::timeout, [timer, &seen, accept, act, deadline] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        auto* dialog = qobject_cast<D*>(modal);
        if (dialog) {
            seen = true;
            if (act)
                act(*dialog);
        }
        if (auto* window = qobject_cast<QDialog*>(modal))
            dialog&& accept ? window->accept() : window->reject();
    });
    timer->start();
}
