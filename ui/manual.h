#pragma once
// The player's manual Vbintro.html: the name in the brief instructions opens it in the desktop's
// browser, or in a window of the game when there is no browser or it cannot be started.
#include "windows/picture.h"
#include <QAbstractButton>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <memory>

class QDialog;
class QTextBrowser;

namespace tc::ui {

class Manualopener {
public:
    // Looks beside the executable first: an installed copy that keeps its data in the user's
    // folder has no manual there.
    explicit Manualopener(const QString& programfolder);
    ~Manualopener();

    QStringList Folders; // searched in order for Vbintro.html
    // Hands the manual to the desktop; false when it could not. A browser that fails after
    // it was started calls `Showwindow` itself.
    std::function<bool(const QUrl&)> Browser;

    // The manual's full path, or empty when no folder holds it.
    QString Path() const;
    void Open();
    // The game's own window on the manual.
    void Showwindow();
    // That window; null until it was needed.
    QDialog* Window() const { return window_.get(); }

private:
    bool Desktopopen(const QUrl& url);

    std::unique_ptr<QDialog> window_; // a window of its own, so a modal dialog does not block it
    QTextBrowser* text_ = nullptr;
    // Ends the browsers' reports when the opener goes.
    std::unique_ptr<QObject> reports_ = std::make_unique<QObject>();
};

// The manual's name where a picture's display list prints it, as a link over the painted words:
// underlined, reached with Tab, pressed with the mouse or the space bar, and named for a screen
// reader.
class Manuallink : public QAbstractButton {
public:
    Manuallink(const Picture& picture, std::function<void()> open, QWidget* picturewidget);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Place();
    const Picture& picture_;
};

} // namespace tc::ui
