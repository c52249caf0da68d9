#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

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
