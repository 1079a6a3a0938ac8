#include "ui/mainwindow.h"

#include "settings/settingtexts.h"
#include "ui/accessibility.h"
#include "ui/animationlayers.h"
#include "ui/bind.h"
#include "ui/dialogs.h"
#include "ui/filewindow.h"
#include "ui/icons.h"
#include "ui/inputs.h"
#include "ui/keys.h"
#include "ui/manual.h"
#include "ui/picturewidget.h"
#include "ui/runprobe.h"
#include "ui/scenery.h"
#include "ui/stage.h"
#include "ui/statwindows.h"
#include "ui/timerdriver.h"
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDrag>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

namespace tc::ui {

namespace {

// The status bar's panel: a click on it is the status bar's click.
class Clicklabel : public QLabel {
public:
    Clicklabel(std::function<void()> clicked, QWidget* parent)
        : QLabel(parent), clicked_(std::move(clicked)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QLabel::mousePressEvent(event);
        clicked_();
    }

private:
    std::function<void()> clicked_;
};

// Return and Enter in an open drop-down list choose its item and Escape closes it, and nothing
// else: taken here, before the window's shortcuts (the default button, the setting menu's
// Cancel) could see them once the list has closed.
class Listkeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Escape) return false;
        // Marked as taken, the list chooses; the window's shortcut is not tried after it.
        event->accept();
        return false;
    }
};

// Whether the game's own Escape presses are on their way: the window's Escape shortcut, which
// Qt tries for them too, is not the player's then.
bool Sendingescapes = false;

// The Escape presses the game sends: each closes the open pop-up (a menu or a list's drop-down)
// or, with none, leaves the menu bar; a drag under way is called off.
void Sendescapes(QMenuBar* bar) {
    const QScopedValueRollback<bool> sending(Sendingescapes, true);
    QDrag::cancel();
    for (int i = 0; i < 2; ++i) {
        QWidget* target = QApplication::activePopupWidget();
        if (auto* list = target ? qobject_cast<QComboBox*>(target->parentWidget()) : nullptr) {
            list->hidePopup();
            continue;
        }
        if (!target && bar->hasFocus()) target = bar;
        if (!target) return;
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(target, &escape);
    }
}

struct Menuentry {
    const char* Name;
    Menuitem Fmmain::*Item;
};

} // namespace

Mainwindow::Mainwindow(Game& game, Timerhost& host, const QString& folder, QWidget* parent)
    : QMainWindow(parent), game_(game), folder_(folder) {
    setObjectName("Fmmain");
    Installaccessibility();
    driver_ = new Timerdriver(
        host, [this] { after(); }, this);

    buildmenus();
    buildtoolbar();
    buildstatusbar();
    buildstage();
    Announcenews(sync_, game_);
    builddialogs();
    buildshortcuts();

    // As large as the screen leaves room for, with a frame and a desktop panel around it; the
    // board grows with it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize room = screen.size() - QSize(24, 72);
    resize(QSize(1120, 820).boundedTo(room).expandedTo(minimumSizeHint()));
    bindwindow();
    keeper_ = std::make_unique<Focuskeeper>(this, game_);
    probe_ = new Runprobe(game_, this);
    after();
}

void Mainwindow::buildstage() {
    auto* fore = picture(game_.Main.Picfore, "Picfore", nullptr);
    fore->Setempty(Paintsky);
    auto* clouds = new Cloudlayer(game_.Main.Ani, folder_, fore);
    sync_.custom([clouds] { return clouds->refresh(); });
    // The idle picture's right button offers the Game menu whatever its state.
    fore->Setpress([this](int b, QPoint at) {
        if (b == 2) gamemenu_->popup(at);
    });
    QWidget* board = buildboard();
    const std::array<Strip*, 2> strips = buildstrips();
    QWidget* winners = buildwinners();
    QWidget* menu = buildsettingmenu();
    auto* stage = new Stage(fore, board, winners, strips, menu, this);
    stage->setObjectName("Stage");
    stage->setStyleSheet(Stagestyle());
    for (auto& apply : scalers_) stage->Onscale(std::move(apply));
    scalers_.clear();
    setCentralWidget(stage);
}

void Mainwindow::builddialogs() {
    message_ = new Messagedialog(
        game_.Message, folder_, [this](Boxbutton b) { act([&] { game_.Messagebutton(b); }); },
        [this] { return topwindow(false); }, this);
    about_ = new Aboutdialog(
        game_.About, folder_,
        [this] { act([this] { game_.Controls.Send(Playerevent::Cmdokabout); }); }, this);
    instr_ = new Instrdialog(
        game_.Instr, folder_,
        [this] { act([this] { game_.Controls.Send(Playerevent::Cmdokinstr); }); }, this);
    // The manual's name in the instructions opens it; the instructions stay as they are.
    manual_ = std::make_unique<Manualopener>(folder_);
    new Manuallink(
        game_.Instr.Picinstr, [this] { manual_->Open(); },
        instr_->findChild<Picturewidget*>("Picinstr"));
    statbox_ = new Statdialog(
        game_.Statbox, [this] { act([this] { game_.Controls.Send(Playerevent::Statboxclose); }); },
        this);
    // A window of its own, not tied to the main window, which is hidden while it shows.
    stat_ = std::make_unique<Statwindow>(
        game_.Stat, [this] { act([this] { game_.Controls.Send(Playerevent::Cmdback); }); });
    files_ = new Filewindow(
        game_, [this](const std::function<void()>& handler) { act(handler); }, this);
    // The other windows before the message box: when one opens with it, the message must come
    // out on top, or the window would block the question asked about it; when one closes as it
    // opens (the hour's end), its hiding must not hand the keyboard back after the message took it.
    files_->bind(sync_);
    about_->bind(sync_);
    instr_->bind(sync_);
    statbox_->bind(sync_);
    stat_->bind(sync_);
    message_->bind(sync_);
}

void Mainwindow::buildshortcuts() {
    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, [this] { pressdefault(); });
    }
    // Escape is the setting menu's Cancel, and ends the demo as a click on the board does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (Sendingescapes) return;
        if (game_.Main.Frmenu.Visible && game_.Main.Cmdcancel.Enabled)
            act([this] { game_.Controls.Send(Playerevent::Cmdcancel); });
        else if (game_.Wait.Is(Waitkey::Demo))
            act([this] { game_.Controls.Boardpress(1); });
    });
    sync_.add([this] { return game_.Main.Escapekeys; }, [this](int) { Sendescapes(menuBar()); });
}

void Mainwindow::bindwindow() {
    // The window itself last, so it appears with its contents in place.
    Fmmain& m = game_.Main;
    sync_.add([&m] { return m.Caption; }, [this](const std::string& c) { setWindowTitle(Qs(c)); });
    sync_.add([&m] { return m.Mousepointer; },
              [this](const std::string& file) {
                  const QString path = QDir(folder_).filePath(Qs(file));
                  if (file.empty())
                      unsetCursor();
                  else if (QFileInfo::exists(path))
                      setCursor(QCursor(QPixmap(path)));
                  else
                      setCursor(Qt::WaitCursor);
              });
    sync_.add([&m] { return m.Visible; }, [this](bool v) { setVisible(v); });
    // Shown windows take the keyboard, as the title did: activation is what brings design mode's
    // buttons, so it must not wait for the window manager's whim. After every window has been
    // shown or hidden, the one on top takes it: a message over a dialog over the main window.
    sync_.add([this] { return topwindow(true); },
              [](QWidget* top) {
                  if (!top) return;
                  top->raise();
                  top->activateWindow();
              });
}

Mainwindow::~Mainwindow() = default;

int Mainwindow::sync() {
    return sync_.run();
}

void Mainwindow::after() {
    driver_->apply();
    sync();
    if (keeper_) keeper_->keep();
    if (probe_) probe_->check();
    if (game_.Controls.Quitrequested() && !closing_) close();
}

void Mainwindow::act(const std::function<void()>& handler) {
    handler();
    after();
}

void Mainwindow::closeEvent(QCloseEvent* event) {
    // The close box ends the program at once, without the quit question.
    closing_ = true;
    event->accept();
    emit closed();
}

void Mainwindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        act([this] { game_.Controls.Send(Playerevent::Formactivate); });
}

QWidget* Mainwindow::topwindow(bool withmessage) const {
    if (withmessage && game_.Message.Visible) return message_;
    if (game_.Files.Visible) return files_;
    if (game_.About.Visible) return about_;
    if (game_.Instr.Visible) return instr_;
    if (game_.Statbox.Visible) return statbox_;
    if (game_.Stat.Visible) return stat_.get();
    return game_.Main.Visible ? const_cast<Mainwindow*>(this) : nullptr;
}

void Mainwindow::pressdefault() {
    for (auto& [model, b] : buttons_)
        if (model->Default && b->isVisible() && b->isEnabled()) {
            b->click();
            return;
        }
}

QLabel* Mainwindow::label(const Control& model, const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    Bindlabel(sync_, model, l);
    return l;
}

QPushButton* Mainwindow::button(const Control& model, const char* name, QWidget* parent,
                                std::function<void()> handler) {
    auto* b = new QPushButton(parent);
    b->setObjectName(name);
    Bindbutton(sync_, model, b);
    if (handler) connect(b, &QPushButton::clicked, this, [this, handler] { act(handler); });
    buttons_.emplace_back(&model, b);
    return b;
}

QGroupBox* Mainwindow::frame(const Control& model, const char* name, QWidget* parent) {
    auto* f = new QGroupBox(parent);
    f->setObjectName(name);
    Bindframe(sync_, model, f);
    return f;
}

QComboBox* Mainwindow::combo(Combolist& model, const char* name, QWidget* parent,
                             std::function<void(int)> chosen) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Bindcombo(sync_, model, c);
    c->view()->installEventFilter(new Listkeys(c));
    connect(c, &QComboBox::activated, this, [this, &model, chosen](int index) {
        if (index < 0 || index >= model.Listcount()) return;
        act([&] { chosen(index); });
    });
    return c;
}

Picturewidget* Mainwindow::picture(const Picture& model, const char* name, QWidget* parent) {
    auto* p = new Picturewidget(model, folder_, parent);
    p->setObjectName(name);
    Bindcontrol(sync_, model, p);
    sync_.custom([p] { return p->refresh(); });
    return p;
}

void Mainwindow::speakas(QWidget* widget, std::function<std::string()> text) {
    sync_.add(std::move(text), [widget](const std::string& t) {
        widget->setAccessibleName(Qs(t));
        QAccessibleEvent changed(widget, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    });
}

void Mainwindow::buildmenus() {
    Fmmain& m = game_.Main;
    // A menu item by its name; its click goes to the game's menu handler.
    auto additem = [this](QMenu* menu, Menuitem& model, Menucommand item) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(Commandname(item));
        connect(a, &QAction::triggered, this,
                [this, item] { act([&] { game_.Controls.Menu(item); }); });
        sync_.add([&model] { return model.Caption; },
                  [a](const std::string& c) { a->setText(Qs(c)); });
        sync_.add([&model] { return model.Enabled; }, [a](bool v) { a->setEnabled(v); });
        sync_.add([&model] { return model.Visible; }, [a](bool v) { a->setVisible(v); });
        sync_.live([&model] { return model.Checked; }, [a] { return a->isChecked(); },
                   [a](bool v) {
                       a->setCheckable(a->isCheckable() || v);
                       a->setChecked(v);
                   });
        return a;
    };
    auto addmenu = [this](QMenu* parent, Menuitem& model, const char* name) {
        QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
        menu->setObjectName(name);
        QAction* a = menu->menuAction();
        a->setObjectName(name);
        sync_.add([&model] { return model.Caption; },
                  [menu](const std::string& c) { menu->setTitle(Qs(c)); });
        sync_.add([&model] { return model.Enabled; }, [a](bool v) { a->setEnabled(v); });
        sync_.add([&model] { return model.Visible; }, [a](bool v) { a->setVisible(v); });
        return menu;
    };

    QMenu* game = addmenu(nullptr, m.Mnugame, "Mnugame");
    gamemenu_ = game;
    additem(game, m.Mnuset, Menucommand::Mnuset);
    additem(game, m.Mnunew, Menucommand::Mnunew);
    additem(game, m.Mnuload, Menucommand::Mnuload);
    QMenu* saving = addmenu(game, m.Mnusaving, "Mnusaving");
    additem(saving, m.Mnusave, Menucommand::Mnusave);
    additem(saving, m.Mnusaveas, Menucommand::Mnusaveas);
    game->addSeparator();
    additem(game, m.Mnuend, Menucommand::Mnuend);
    additem(game, m.Mnuquit, Menucommand::Mnuquit);

    QMenu* media = addmenu(nullptr, m.Mnumedia, "Mnumedia");
    additem(media, m.Mnumusic, Menucommand::Mnumusic);
    additem(media, m.Mnuani, Menucommand::Mnuani);
    additem(media, m.Mnudemo, Menucommand::Mnudemo);

    QMenu* options = addmenu(nullptr, m.Mnuoption, "Mnuoption");
    QMenu* input = addmenu(options, m.Mnuinput, "Mnuinput");
    // The two pairs show their tick marks as check boxes from the start.
    additem(input, m.Mnumouse, Menucommand::Mnumouse)->setCheckable(true);
    additem(input, m.Mnukey, Menucommand::Mnukey)->setCheckable(true);
    QMenu* display = addmenu(options, m.Mnudisplay, "Mnudisplay");
    additem(display, m.Mnucolour, Menucommand::Mnucolour)->setCheckable(true);
    additem(display, m.Mnunumber, Menucommand::Mnunumber)->setCheckable(true);

    QMenu* help = addmenu(nullptr, m.Mnuhelp, "Mnuhelp");
    additem(help, m.Mnuinstr, Menucommand::Mnuinstr);
    additem(help, m.Mnuabout, Menucommand::Mnuabout);
}

void Mainwindow::buildtoolbar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName("Tlbgame");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(24, 24));
    bar->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, bar);
    for (size_t i = 0; i < game_.Main.Tlbgame.size(); ++i) {
        Toolbutton& model = game_.Main.Tlbgame[i];
        QAction* a = bar->addAction(QString());
        // Groups: the game, multimedia, the options, and quitting.
        if (i == 4 || i == 7 || i == 11) bar->addSeparator();
        connect(a, &QAction::triggered, this,
                [this, i] { act([&] { game_.Controls.Toolbar(game_.Main.Tlbgame[i].Key); }); });
        sync_.add([&model] { return model.Key; },
                  [a](const std::string& key) {
                      a->setObjectName(Qs(key));
                      a->setIcon(Toolicon(key));
                  });
        sync_.add([&model] { return model.Tooltip; },
                  [a](const std::string& t) {
                      a->setText(Qs(t));
                      a->setToolTip(Qs(t));
                  });
        sync_.add([&model] { return model.Enabled; }, [a](bool v) { a->setEnabled(v); });
        sync_.add([&model] { return model.Visible; }, [a](bool v) { a->setVisible(v); });
    }
}

void Mainwindow::buildstatusbar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("Stbmenu");
    bar->setSizeGripEnabled(false);
    auto* panel =
        new Clicklabel([this] { act([this] { game_.Controls.Send(Playerevent::Stbmenu); }); }, bar);
    panel->setObjectName("Stbmenu1");
    panel->setTextFormat(Qt::PlainText);
    // Fixed-width letters, so the text slides evenly as it scrolls.
    panel->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The padded help text is far wider than the window; it must not widen it.
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    panel->setMinimumWidth(1);
    bar->addWidget(panel, 1);
    Readquietly(panel, "Help");
    sync_.add([this] { return game_.Wait.Banner; },
              [panel](const std::string& t) { panel->setText(Qs(t)); });
}

QWidget* Mainwindow::buildsettingmenu() {
    Fmmain& m = game_.Main;
    Settinglists& lists = m.Lists;
    QGroupBox* panel = frame(m.Frmenu, "Frmenu", nullptr);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(22, 16, 22, 16);
    layout->setSpacing(12);

    QLabel* title = label(m.Lblset, "Lblset", panel);
    QFont titlefont("Arial");
    titlefont.setPointSize(16);
    titlefont.setBold(true);
    title->setFont(titlefont);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    struct Row {
        Control* Caption;
        const char* Captionname;
        Combolist* List;
        const char* Listname;
    };
    const Row rows[7] = {
        {&m.Lblgametype, "Lblgametype", &lists.Cbwho, "Cbwho"},
        {&m.Lblcolourno, "Lblcolourno", &lists.Cbcolour, "Cbcolour"},
        {&m.Lblstart, "Lblstart", &lists.Cbstart, "Cbstart"},
        {&m.Lblgamelength, "Lblgamelength", &lists.Cblength, "Cblength"},
        {&m.Lblhint, "Lblhint", &lists.Cbhint, "Cbhint"},
        {&m.Lblgameorder, "Lblgameorder", &lists.Cborder, "Cborder"},
        {&m.Lblgamerepeat, "Lblgamerepeat", &lists.Cbrepeat, "Cbrepeat"},
    };
    QFont captionfont("Times New Roman");
    captionfont.setPointSize(12);
    QComboBox* first = nullptr;
    for (int i = 0; i < 7; ++i) {
        QLabel* caption = label(*rows[i].Caption, rows[i].Captionname, panel);
        caption->setFont(captionfont);
        Combolist& list = *rows[i].List;
        QComboBox* c = combo(list, rows[i].Listname, panel, [&lists, &list](int index) {
            lists.Choose(list, list.Items[static_cast<size_t>(index)]);
        });
        c->setMinimumWidth(230);
        // A list's name on Linux is its value; its caption is told as its label.
        caption->setBuddy(c);
        if (!first) first = c;
        grid->addWidget(caption, i, 0);
        grid->addWidget(c, i, 1);
    }
    layout->addLayout(grid);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button(m.Cmdstart, "Cmdstart", panel, Playerevent::Cmdstart));
    row->addWidget(button(m.Cmdcancel, "Cmdcancel", panel, Playerevent::Cmdcancel));
    row->addWidget(button(lists.Cmdtop, "Cmdtop", panel, Playerevent::Cmdtop));
    row->addStretch();
    layout->addLayout(row);
    auto* statrow = new QHBoxLayout;
    statrow->addStretch();
    statrow->addWidget(button(m.Cmdstat, "Cmdstat", panel, Playerevent::Cmdstat));
    statrow->addWidget(button(m.Cmdinitstat, "Cmdinitstat", panel, Playerevent::Cmdinitstat));
    statrow->addWidget(button(m.Cmdsimulate, "Cmdsimulate", panel, Playerevent::Cmdsimulate));
    statrow->addStretch();
    layout->addLayout(statrow);

    // When the menu opens, the first list takes the keyboard so the player can choose at once.
    sync_.add([&m] { return m.Frmenu.Visible; },
              [first](bool v) {
                  if (v) first->setFocus();
              });
    return panel;
}

QWidget* Mainwindow::buildboard() {
    Fmmain& m = game_.Main;
    auto* column = new QWidget;
    column->setObjectName("Boardcolumn");
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Picturewidget* upper = picture(m.Picupper, "Picupper", column);
    upper->setFixedHeight(6);
    // Its room kept while hidden, so the board does not move as it comes.
    QSizePolicy keep = upper->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    upper->setSizePolicy(keep);
    layout->addWidget(upper);
    Picturewidget* record = picture(m.Picrecord, "Picrecord", column);
    auto rows = [&m] {
        QStringList out;
        for (const auto& [row, line] : m.Picrecord.Spoken)
            if (row > 0) out << Qs(line);
        return out;
    };
    Readasrows(
        record, [] { return QStringLiteral("Record"); }, rows, true);
    // Three columns of 3900 twips and nine lines of 450 below a 600-twip heading, scaled to the
    // room the window leaves.
    record->Setextent(QSize(11700, 4650));
    record->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    record->Setpress([this](int b, QPoint at) {
        act([&] { game_.Controls.Boardpress(b); });
        // The game leaves the right button's menu to the window.
        if (b == 2 && game_.Main.Mnugame.Enabled) gamemenu_->popup(at);
    });
    layout->addWidget(record, 1);
    auto* bird = new Birdlayer(game_.Main.Ani, m.Picrecord, folder_, record);
    sync_.custom([bird] { return bird->refresh(); });
    return column;
}

} // namespace tc::ui
