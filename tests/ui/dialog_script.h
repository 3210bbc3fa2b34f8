// Answers the modal dialogs of a widget test as they come up, one step for each, and notes
// which dialogs it saw.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <vector>

#include "view.h"

namespace slcy {

class DialogScript {
public:
    using Step = std::function<void(QWidget& dialog)>;

    explicit DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { AnswerTheOneShowing(); });
        poll_.start(10);
    }
    std::vector<QString> seen;  // class names of the dialogs, in order

private:
    void AnswerTheOneShowing() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == last_ || next_ >= steps_.size()) return;
        last_ = dialog;
        seen.push_back(QString::fromLatin1(dialog->metaObject()->className()));
        // Answered from a fresh turn of the event loop: a step may open a dialog of its own,
        // and the poll must be free to see it.
        QTimer::singleShot(0, dialog, [step = steps_[next_++], dialog] { step(*dialog); });
    }
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    QWidget* last_ = nullptr;
    QTimer poll_;
};

inline void Dismiss(QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); }
inline void Confirm(QWidget& dialog) {
    static_cast<QDialog&>(dialog).done(static_cast<int>(ModalResult::Yes));
}

}  // namespace slcy
