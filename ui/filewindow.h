#pragma once
// The Open/Save dialog `Fmfiles` in Qt, window-modal over the main window and shown with open():
// the game fills its drive, folder and file lists, this window only shows them and hands the
// player's clicks, double clicks, typing and the Delete key to the game.
#include "play/game.h"
#include "ui/syncset.h"
#include <QDialog>
#include <QLabel>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tc::ui {

// The mounted file systems that can be read now, by their root paths.
std::vector<std::string> Mounteddrives();

// A label showing a long path whole when it fits and shortened in the middle when not.
class Pathlabel : public QLabel {
public:
    explicit Pathlabel(QWidget* parent = nullptr);
    void setpath(const QString& path);
    const QString& path() const { return path_; }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();
    QString path_;
};

class Filewindow : public QDialog {
public:
    // `act` runs a game handler and brings every window in step afterwards.
    Filewindow(Game& game, std::function<void(const std::function<void()>&)> act, QWidget* parent);
    void bind(Syncset& sync);

    QComboBox* drives() const { return drives_; }
    QListWidget* folders() const { return folders_; }
    QListWidget* files() const { return files_; }
    QLineEdit* name() const { return name_; }
    Pathlabel* folderpath() const { return path_; }

protected:
    // Escape and the close box are the Cancel button.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The folder and file lists; the window's layout.
    void buildlists();
    void buildlayout();
    void fillfolders();
    void fillfiles();
    void folderdoubleclicked(QListWidgetItem* item);

    Game& game_;
    std::function<void(const std::function<void()>&)> act_;
    QLabel *lbllook_, *lblname_, *lbltype_, *lbldelete_;
    QComboBox* drives_;
    Pathlabel* path_;
    QListWidget* folders_;
    QListWidget* files_;
    QLineEdit* name_;
    QComboBox* types_;
    QPushButton* open_;
    QPushButton* save_;
    QPushButton* cancel_;
    // What the lists show, to rebuild them only when the game changed them.
    std::string shownfolder_;
    std::vector<std::string> shownfolders_;
    std::vector<std::string> shownfiles_;
};

} // namespace tc::ui
