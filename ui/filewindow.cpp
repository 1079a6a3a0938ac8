#include "ui/filewindow.h"

#include "ui/bind.h"
#include "ui/dialogs.h"
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <optional>

namespace tc::ui {

namespace {

constexpr int Deletekey = 46;

// The folder one level up, or nothing at the top of a drive.
std::optional<std::filesystem::path> Parentfolder(std::filesystem::path folder) {
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    if (!folder.has_relative_path()) return std::nullopt;
    return folder.parent_path();
}

} // namespace

std::vector<std::string> Mounteddrives() {
    std::vector<std::string> drives;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
        if (volume.isValid() && volume.isReady())
            drives.push_back(QDir::toNativeSeparators(volume.rootPath()).toStdString());
    std::sort(drives.begin(), drives.end());
    drives.erase(std::unique(drives.begin(), drives.end()), drives.end());
    return drives;
}

Pathlabel::Pathlabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void Pathlabel::setpath(const QString& path) {
    path_ = path;
    setToolTip(path);
    elide();
}

QSize Pathlabel::minimumSizeHint() const {
    return {40, QLabel::minimumSizeHint().height()};
}

void Pathlabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    elide();
}

void Pathlabel::elide() {
    // The end of the path names the folder; the middle is what can go.
    setText(fontMetrics().elidedText(path_, Qt::ElideMiddle, std::max(0, contentsRect().width())));
}

Filewindow::Filewindow(Game& game, std::function<void(const std::function<void()>&)> act,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      game_(game), act_(std::move(act)) {
    setObjectName("Fmfiles");
    setWindowModality(Qt::WindowModal);
    game_.Files.Drives = Mounteddrives;
    Fmfiles& f = game_.Files;

    auto pushbutton = [this](const char* name, std::function<void()> handler) {
        auto* b = new QPushButton(this);
        b->setObjectName(name);
        b->setMinimumWidth(96);
        connect(b, &QPushButton::clicked, this, [this, handler] { act_(handler); });
        return b;
    };

    drives_ = new QComboBox(this);
    drives_->setObjectName("Drvfiles");
    drives_->setMinimumWidth(240);
    connect(drives_, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index >= game_.Files.Drvfiles.Listcount()) return;
        act_([this, index] { game_.Controls.Drive(index); });
    });

    path_ = new Pathlabel(this);
    path_->setObjectName("Dirpath");
    QFont bold = path_->font();
    bold.setBold(true);
    path_->setFont(bold);
    buildlists();

    name_ = new QLineEdit(this);
    name_->setObjectName("Txtfiles");
    // The game reads the name when a button is pressed; typing only keeps the model in step.
    connect(name_, &QLineEdit::textEdited, this, [this, &f](const QString& text) {
        f.Txtfiles.Caption = text.toStdString();
        f.Txtfiles.Caret = name_->cursorPosition();
    });
    types_ = new QComboBox(this);
    types_->setObjectName("Cbfiles");
    connect(types_, &QComboBox::activated, this, [this, &f](int index) {
        if (index >= 0 && index < f.Cbfiles.Listcount())
            act_([&f, index] { f.Cbfiles.Listindex = index; });
    });

    open_ = pushbutton("Cmdopen", [this] { game_.Controls.Send(Playerevent::Cmdopen); });
    save_ = pushbutton("Cmdsave", [this] { game_.Controls.Send(Playerevent::Cmdsave); });
    cancel_ = pushbutton("Cmdcancel", [this] { game_.Controls.Send(Playerevent::Cmdcancelfiles); });

    buildlayout();
    resize(600, 440);
}

void Filewindow::buildlists() {
    folders_ = new QListWidget(this);
    folders_->setObjectName("Dirfiles");
    folders_->setMinimumSize(200, 200);
    connect(folders_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { folderdoubleclicked(item); });
    folders_->installEventFilter(this);

    files_ = new QListWidget(this);
    files_->setObjectName("Filfiles");
    files_->setMinimumSize(240, 200);
    files_->setSelectionMode(QAbstractItemView::SingleSelection);
    files_->installEventFilter(this);
    // A click picks the file, again too; so does choosing it with the arrow keys. The keyboard
    // entering the list makes a row current without choosing it, and picks nothing.
    connect(files_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int row = files_->row(item);
        if (row >= 0) act_([this, row] { game_.Controls.Fileclick(row); });
    });
    connect(files_, &QListWidget::itemSelectionChanged, this, [this] {
        const auto chosen = files_->selectedItems();
        if (chosen.size() != 1) return;
        const int row = files_->row(chosen.front());
        if (row != game_.Files.Filfiles.Listindex)
            act_([this, row] { game_.Controls.Fileclick(row); });
    });
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        const int row = files_->row(item);
        if (row >= 0) act_([this, row] { game_.Controls.Filedoubleclick(row); });
    });
}

void Filewindow::buildlayout() {
    auto label = [this](const char* name) {
        auto* l = new QLabel(this);
        l->setObjectName(name);
        return l;
    };
    auto* look = new QHBoxLayout;
    look->setSpacing(10);
    lbllook_ = label("Lbllook");
    look->addWidget(lbllook_);
    look->addWidget(drives_, 1);

    // The folder's path heads the folder list; both lists start on one line.
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(10);
    lists->setVerticalSpacing(4);
    lists->addWidget(path_, 0, 0);
    lists->addWidget(folders_, 1, 0);
    lists->addWidget(files_, 1, 1);
    lists->setColumnStretch(0, 2);
    lists->setColumnStretch(1, 3);
    lists->setRowStretch(1, 1);

    auto* form = new QGridLayout;
    form->setHorizontalSpacing(10);
    form->setVerticalSpacing(8);
    lblname_ = label("Lblname");
    lbltype_ = label("Lbltype");
    form->addWidget(lblname_, 0, 0);
    form->addWidget(name_, 0, 1);
    auto* choose = new QHBoxLayout;
    choose->setSpacing(0);
    choose->addWidget(open_);
    choose->addWidget(save_);
    form->addLayout(choose, 0, 2);
    form->addWidget(lbltype_, 1, 0);
    form->addWidget(types_, 1, 1);
    form->addWidget(cancel_, 1, 2);
    form->setColumnStretch(1, 1);

    lbldelete_ = label("Lbldelete");
    lbldelete_->setWordWrap(true);
    lbldelete_->setStyleSheet("color: #4a5563;");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addLayout(look);
    layout->addLayout(lists, 1);
    layout->addLayout(form);
    layout->addWidget(lbldelete_);
    // Each box and list is named by its caption, or by what it holds.
    lbllook_->setBuddy(drives_);
    lblname_->setBuddy(name_);
    lbltype_->setBuddy(types_);
    folders_->setAccessibleName("Folders");
    files_->setAccessibleName("Files");
}

void Filewindow::reject() {
    act_([this] { game_.Controls.Send(Playerevent::Cmdcancelfiles); });
}

bool Filewindow::eventFilter(QObject* watched, QEvent* event) {
    // Return in the folder list enters the current folder, as a double click does, and does not
    // press Open or Save.
    if (watched == folders_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            folderdoubleclicked(folders_->currentItem());
            return true;
        }
    }
    if (watched == files_ && event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && !key->isAutoRepeat()) {
            act_([this] { game_.Controls.Fileskey(Deletekey); });
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Filewindow::folderdoubleclicked(QListWidgetItem* item) {
    if (!item) return;
    const std::filesystem::path folder = item->data(Qt::UserRole).toString().toStdString();
    act_([this, folder] { game_.Controls.Folder(folder); });
}

void Filewindow::fillfolders() {
    const Fmfiles& f = game_.Files;
    const QSignalBlocker quiet(folders_);
    folders_->clear();
    if (const auto up = Parentfolder(f.Dirfiles)) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_FileDialogToParent), "..",
                                         folders_);
        item->setData(Qt::UserRole, Qs(up->string()));
        item->setToolTip(Qs(up->string()));
    }
    const QIcon icon = style()->standardIcon(QStyle::SP_DirIcon);
    for (const std::string& name : f.Folders) {
        auto* item = new QListWidgetItem(icon, Qs(name), folders_);
        item->setData(Qt::UserRole, Qs((f.Dirfiles / name).string()));
    }
    path_->setpath(Qs(f.Dirfiles.string()));
}

void Filewindow::fillfiles() {
    const QSignalBlocker quiet(files_);
    files_->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    for (const std::string& name : shownfiles_) new QListWidgetItem(icon, Qs(name), files_);
}

void Filewindow::bind(Syncset& sync) {
    Fmfiles& f = game_.Files;
    sync.add([&f] { return f.Caption(); }, [this](const std::string& c) { setWindowTitle(Qs(c)); });
    Bindlabel(sync, f.Lbllook, lbllook_);
    Bindlabel(sync, f.Lblname, lblname_);
    Bindlabel(sync, f.Lbltype, lbltype_);
    Bindlabel(sync, f.Lbldelete, lbldelete_);
    Bindcombo(sync, f.Drvfiles, drives_);

    sync.custom([this, &f] {
        const std::string folder = f.Dirfiles.string();
        if (folder == shownfolder_ && f.Folders == shownfolders_) return false;
        shownfolder_ = folder;
        shownfolders_ = f.Folders;
        fillfolders();
        return true;
    });
    sync.custom([this, &f] {
        if (f.Filfiles.Items == shownfiles_) return false;
        shownfiles_ = f.Filfiles.Items;
        fillfiles();
        return true;
    });
    sync.live([&f] { return f.Filfiles.Listindex; }, [this] { return files_->currentRow(); },
              [this](int row) {
                  const QSignalBlocker quiet(files_);
                  if (row >= 0 && row < files_->count()) {
                      files_->setCurrentRow(row);
                  } else {
                      files_->setCurrentRow(-1);
                      files_->clearSelection();
                  }
              });
    Bindcontrol(sync, f.Filfiles, files_);

    sync.live([&f] { return f.Txtfiles.Caption; }, [this] { return name_->text().toStdString(); },
              [this](const std::string& s) {
                  const QSignalBlocker quiet(name_);
                  name_->setText(Qs(s));
              });
    Bindcontrol(sync, f.Txtfiles, name_);
    Bindcombo(sync, f.Cbfiles, types_);
    Bindbutton(sync, f.Cmdopen, open_);
    Bindbutton(sync, f.Cmdsave, save_);
    Bindbutton(sync, f.Cmdcancel, cancel_);

    sync.add([&f] { return f.Visible; },
             [this](bool v) {
                 if (!v) {
                     hide();
                     return;
                 }
                 Placeonscreen(this, 1.0 / 4, 1.0 / 4);
                 open();
             });
    // After the window's own step: a request made as the dialog opens finds it shown.
    Bindfocus(sync, f.Txtfiles, name_);
}

} // namespace tc::ui
