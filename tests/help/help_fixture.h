// What the help tests share: a program directory of their own, the help units set up for it,
// the diagnostic log's lines, the open viewers, and a watcher that notes and closes every
// message box so that no test waits for a click.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "help_viewer.h"
#include "hh_funcs.h"

namespace slcy {

struct ShownMessage {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

class MessageBoxWatcher : public QObject {
  public:
    MessageBoxWatcher() { qApp->installEventFilter(this); }
    ~MessageBoxWatcher() override { qApp->removeEventFilter(this); }
    QList<ShownMessage> shown;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (box && event->type() == QEvent::Show) {
            shown.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Ok); });
        }
        return false;
    }
};

class HelpFixture : public ::testing::Test {
  protected:
    QString ProgramDirectory() const { return programDir_.path() + QLatin1Char('/'); }
    static QString HelpFile() { return QStringLiteral(SLCY_HELP_FILE); }

    // Starts the help units as the program does, with these arguments after its name.
    void StartHelp(const QStringList& arguments = {}) {
        HelpUnitsInitialise(
            ProgramDirectory(),
            QStringList{ProgramDirectory() + QStringLiteral("slcy2_4")} + arguments);
    }
    void StartHelpWithLog() { StartHelp({QStringLiteral("/debug")}); }

    void TearDown() override { HelpUnitsFinalise(); }

    static QStringList LogLines() {
        QFile file(DebugLogFileName());
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }
    // The log's lines after the header, without their time stamps.
    static QStringList LogMessages() {
        QStringList messages;
        bool inHeader = true;
        int rules = 0;
        for (const QString& line : LogLines()) {
            if (inHeader) {
                if (line == QString(79, u'=') && ++rules == 2) inHeader = false;
                continue;
            }
            messages << line.mid(11);
        }
        return messages;
    }

    static QList<HelpViewer*> VisibleViewers() {
        QList<HelpViewer*> viewers;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<HelpViewer*>(w); v && v->isVisible()) viewers << v;
        return viewers;
    }

    MessageBoxWatcher messageBoxes;

  private:
    QTemporaryDir programDir_;
};

}  // namespace slcy
