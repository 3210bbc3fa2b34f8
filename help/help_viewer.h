// The help viewer: one window of its own that shows the topics of a compiled help file
// (help_file.h), beside the game window that asked for them (viewer_placement.h) and above it.
// A missing file or topic shows the viewer's own "not found" page. Nothing here shows a
// message box.
#pragma once

#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>

namespace slcy {

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    // `owner`: the window the viewer belongs to and stays above; nullptr for none.
    explicit HelpViewer(QWidget* owner);

    QTextBrowser* browser() const { return browser_; }
    // True while the "not found" page is shown.
    bool showingNotFound() const { return notFound_; }

    void ShowPage(const QUrl& page);
    void ShowNotFound(const QString& file, int context);

  private:
    void FollowTitle();

    QTextBrowser* browser_;
    bool notFound_ = false;
};

// The open viewer, or nullptr when none is open.
HelpViewer* OpenHelpViewer();

// Shows the topic of the help file in the viewer, opening one if none is open, and returns it.
// A viewer that is not on the screen yet opens beside `owner`, if given, and belongs to it.
HelpViewer* ShowHelpTopic(const QString& file, int context, QWidget* owner = nullptr);

// Closes and destroys the open viewer, if any.
void CloseHelpViewers();

}  // namespace slcy
