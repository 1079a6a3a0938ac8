#include "ui/mainwindow.h"

#include "settings/settingtexts.h"
#include "ui/accessibility.h"
#include "ui/animation.h"
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

// The panels below the board in two columns: the setting and the clock; the panels of the game
// in play. Each column's width is fixed by the widest frame it can hold, so nothing shifts
// sideways as panels come and go or captions change.
class Sidepanels : public QWidget {
public:
    Sidepanels() {
        for (auto& c : columns_) {
            c.Widget = new QWidget(this);
            c.Layout = new QVBoxLayout(c.Widget);
            c.Layout->setContentsMargins(0, 0, 0, 0);
            c.Layout->setSpacing(Spacing);
        }
    }
    QVBoxLayout* column(int i) { return columns_[i].Layout; }
    // Frames that show together in column `i`: the room kept below the board is the tallest such
    // group, so the board does not jump as the panels of one game come and go.
    void together(int i, std::vector<QWidget*> frames) {
        columns_[i].Groups.push_back(std::move(frames));
    }
    void finish() {
        for (auto& c : columns_) c.Layout->addStretch(1);
    }

    // The widths of the columns in `width` pixels.
    std::array<int, 2> widths(int width) const {
        std::array<int, 2> least{}, w{};
        for (int i = 0; i < 2; ++i)
            for (int k = 0; k < columns_[i].Layout->count(); ++k)
                if (QWidget* f = columns_[i].Layout->itemAt(k)->widget())
                    least[i] = std::max(least[i], Leastwidth(f));
        // The setting as wide as it needs; the game's panels take the rest, up to a width at
        // which their lines still read easily.
        w[0] = least[0];
        w[1] = std::max(least[1], std::min(width - w[0] - Gap, 520));
        return w;
    }
    int leastwidth() const {
        const auto w = widths(0);
        return w[0] + w[1] + Gap;
    }
    // The height the panels take at `width`: the tallest group, or what they need `now` if more.
    int needed(int width, bool now = true) const {
        const auto w = widths(width);
        int h = 0;
        for (int i = 0; i < 2; ++i) {
            if (now) h = std::max(h, Heightat(columns_[i].Widget, w[i]));
            for (const auto& group : columns_[i].Groups) {
                int sum = 0;
                for (QWidget* f : group) sum += Heightat(f, w[i]) + Spacing;
                h = std::max(h, sum - Spacing);
            }
        }
        return h;
    }

protected:
    void resizeEvent(QResizeEvent*) override { place(); }
    bool event(QEvent* event) override {
        // A column's contents changed: the stage may have to make room.
        if (event->type() == QEvent::LayoutRequest) {
            place();
            updateGeometry();
        }
        return QWidget::event(event);
    }

private:
    static constexpr int Gap = 10, Spacing = 6;
    struct Column {
        QWidget* Widget = nullptr;
        QVBoxLayout* Layout = nullptr;
        std::vector<std::vector<QWidget*>> Groups;
    };
    static int Leastwidth(QWidget* w) {
        return std::max(w->minimumSizeHint().width(), w->minimumWidth());
    }
    static int Heightat(QWidget* w, int width) {
        const int h = w->hasHeightForWidth() ? w->heightForWidth(width) : w->sizeHint().height();
        return std::max(h, w->minimumSizeHint().height());
    }
    void place() {
        const auto w = widths(width());
        int x = 0;
        for (int i = 0; i < 2; ++i) {
            columns_[i].Widget->setGeometry(x, 0, w[i], height());
            x += w[i] + Gap;
        }
    }
    std::array<Column, 2> columns_;
};

// The window's client area. The idle picture fills it; the board spans the top and takes what
// the panels below it leave; the setting menu floats in the middle over all.
class Stage : public QWidget {
public:
    explicit Stage(QWidget* parent) : QWidget(parent) {}
    QWidget* fore = nullptr;
    QWidget* board = nullptr;
    Sidepanels* side = nullptr;
    QWidget* menu = nullptr;
    QWidget* winners = nullptr; // over the board, and over the panels when it needs the room

    static constexpr int Margin = 8;
    // The least room the board is given: a third of its design size.
    static constexpr int Boardleast = 110;

    QSize leastsize() const {
        const int width =
            std::max(side ? side->leastwidth() : 0, menu ? menu->sizeHint().width() : 0);
        const int w = width + 2 * Margin;
        int h = Boardleast + 3 * Margin + (side ? side->needed(width, false) : 0);
        if (menu) h = std::max(h, menu->sizeHint().height() + 2 * Margin);
        return {w, h};
    }

    void place() {
        const QRect r = rect();
        if (fore) fore->setGeometry(r);
        const int width = r.width() - 2 * Margin;
        int sideheight = 0;
        if (side) {
            sideheight = std::min(side->needed(width), r.height() - 3 * Margin - Boardleast);
            side->setGeometry(Margin, r.height() - Margin - sideheight, width, sideheight);
        }
        if (board) {
            // The board keeps its place while hidden, so the panels below do not jump.
            const int height = r.height() - 2 * Margin - (side ? sideheight + Margin : 0);
            board->setGeometry(Margin, Margin, width, height);
            if (winners) {
                const int wanted = winners->hasHeightForWidth() ? winners->heightForWidth(width)
                                                                : winners->sizeHint().height();
                winners->setGeometry(Margin, Margin, width,
                                     std::clamp(wanted, height, r.height() - 2 * Margin));
            }
        }
        if (menu) {
            const QSize s = menu->sizeHint().boundedTo(r.size());
            menu->setGeometry(QRect(
                QPoint(r.center().x() - s.width() / 2 + 1, r.center().y() - s.height() / 2 + 1),
                s));
        }
    }

protected:
    void resizeEvent(QResizeEvent*) override { place(); }
    bool event(QEvent* event) override {
        // The panels, the list or the menu changed what they need.
        if (event->type() == QEvent::LayoutRequest) place();
        return QWidget::event(event);
    }
    // The empty columns over the idle picture pass their presses up here: they belong to it.
    void mousePressEvent(QMouseEvent* event) override {
        if (!fore || !fore->isVisible()) return QWidget::mousePressEvent(event);
        QMouseEvent moved(event->type(), fore->mapFrom(this, event->position()),
                          event->scenePosition(), event->globalPosition(), event->button(),
                          event->buttons(), event->modifiers(), event->pointingDevice());
        QApplication::sendEvent(fore, &moved);
    }
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QLinearGradient back(rect().topLeft(), rect().bottomLeft());
        back.setColorAt(0, QColor(0xe9, 0xf0, 0xf8));
        back.setColorAt(1, QColor(0xd3, 0xdf, 0xec));
        p.fillRect(rect(), back);
    }
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

const char* const Stylesheet = R"(
QGroupBox {
    background: #fbfcfe;
    border: 1px solid #a9bbd0;
    border-radius: 8px;
    padding: 5px 8px 5px 8px;
}
QGroupBox#Frsetting, QGroupBox#Frcolour, QGroupBox#Frshowresult, QGroupBox#Franswer {
    margin-top: 9px;
    padding-top: 9px;
}
QGroupBox#Frerror, QGroupBox#Frcorrect, QGroupBox#Frwrong, QGroupBox#Frgetwrong {
    border: none;
    background: transparent;
    padding: 0;
}
QGroupBox::title {
    subcontrol-origin: margin;
    left: 12px;
    padding: 0 4px;
    color: #1f4e8f;
    font-weight: bold;
}
QGroupBox#Frmenu {
    border: 2px solid #2f6fb0;
    border-radius: 10px;
    margin-top: 0;
}
QLabel#Lblset {
    color: #1f4e8f;
}
QLabel#Lbltime {
    color: #1f4e8f;
    font-weight: bold;
    background: #fbfcfe;
    border: 1px solid #a9bbd0;
    border-radius: 6px;
    padding: 4px 8px;
}
QFrame#Picdemo {
    background: #fff8e1;
    border: 1px solid #d8b65a;
    border-radius: 8px;
}
QLabel#Lblname {
    border: 2px solid transparent;
}
QLabel#Lblname:focus {
    border-color: #2f6fb0;
}
QPushButton {
    min-width: 64px;
    padding: 4px 10px;
}
)";

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

    auto* stage = new Stage(this);
    stage->setStyleSheet(Stylesheet);
    auto* fore = picture(game_.Main.Picfore, "Picfore", stage);
    fore->Setempty(Paintsky);
    auto* clouds = new Cloudlayer(game_.Main.Ani, folder_, fore);
    sync_.custom([clouds] { return clouds->refresh(); });
    // The idle picture's right button offers the Game menu whatever its state.
    fore->Setpress([this](int b, QPoint at) {
        if (b == 2) gamemenu_->popup(at);
    });
    stage->fore = fore;
    stage->board = buildboard();
    stage->board->setParent(stage);
    stage->side = static_cast<Sidepanels*>(buildsidepanels());
    stage->side->setParent(stage);
    stage->winners = buildwinners();
    stage->winners->setParent(stage);
    stage->menu = buildsettingmenu();
    stage->menu->setParent(stage);
    stage->menu->raise();
    setCentralWidget(stage);
    stage->setMinimumSize(stage->leastsize());
    Announcenews(sync_, game_);

    message_ = new Messagedialog(
        game_.Message, folder_,
        [this](const std::string& b) { act([&] { game_.Messagebutton(b); }); },
        [this] { return topwindow(false); }, this);
    about_ = new Aboutdialog(
        game_.About, folder_, [this] { act([this] { game_.Menu.Cmdokabout_Click(); }); }, this);
    instr_ = new Instrdialog(
        game_.Instr, folder_, [this] { act([this] { game_.Menu.Cmdokinstr_Click(); }); }, this);
    // The manual's name in the instructions opens it; the instructions stay as they are.
    manual_ = std::make_unique<Manualopener>(folder_);
    new Manuallink(
        game_.Instr.Picinstr, [this] { manual_->Open(); },
        instr_->findChild<Picturewidget*>("Picinstr"));
    statbox_ = new Statdialog(
        game_.Statbox, [this] { act([this] { game_.Menu.Statbox_Close(); }); }, this);
    // A window of its own, not tied to the main window, which is hidden while it shows.
    stat_ = std::make_unique<Statwindow>(game_.Stat,
                                         [this] { act([this] { game_.Runs.Cmdback_Click(); }); });
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

    for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        connect(enter, &QShortcut::activated, this, [this] { pressdefault(); });
    }
    // Escape is the setting menu's Cancel, and ends the demo as a click on the board does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] {
        if (Sendingescapes) return;
        if (game_.Main.Frmenu.Visible && game_.Main.Cmdcancel.Enabled)
            act([this] { game_.Menu.Cmdcancel_Click(); });
        else if (game_.Wait.Is(Waitkey::Demo))
            act([this] { game_.Board.Picrecord_MouseDown(1); });
    });
    sync_.add([this] { return game_.Main.Escapekeys; }, [this](int) { Sendescapes(menuBar()); });

    // As large as the screen leaves room for, with a frame and a desktop panel around it; the
    // board grows with it.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize room = screen.size() - QSize(24, 72);
    resize(QSize(1120, 820).boundedTo(room).expandedTo(minimumSizeHint()));

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
    keeper_ = std::make_unique<Focuskeeper>(this, game_);
    probe_ = new Runprobe(game_, this);
    after();
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
    if (game_.Quitrequested && !closing_) close();
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
        act([this] { game_.Menu.Form_Activate(); });
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
    auto additem = [this](QMenu* menu, Menuitem& model, const char* name) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(name);
        const std::string item = name;
        connect(a, &QAction::triggered, this,
                [this, item] { act([&] { game_.Menu.Menu_Click(item); }); });
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
    additem(game, m.Mnuset, "Mnuset");
    additem(game, m.Mnunew, "Mnunew");
    additem(game, m.Mnuload, "Mnuload");
    QMenu* saving = addmenu(game, m.Mnusaving, "Mnusaving");
    additem(saving, m.Mnusave, "Mnusave");
    additem(saving, m.Mnusaveas, "Mnusaveas");
    game->addSeparator();
    additem(game, m.Mnuend, "Mnuend");
    additem(game, m.Mnuquit, "Mnuquit");

    QMenu* media = addmenu(nullptr, m.Mnumedia, "Mnumedia");
    additem(media, m.Mnumusic, "Mnumusic");
    additem(media, m.Mnuani, "Mnuani");
    additem(media, m.Mnudemo, "Mnudemo");

    QMenu* options = addmenu(nullptr, m.Mnuoption, "Mnuoption");
    QMenu* input = addmenu(options, m.Mnuinput, "Mnuinput");
    // The two pairs show their tick marks as check boxes from the start.
    additem(input, m.Mnumouse, "Mnumouse")->setCheckable(true);
    additem(input, m.Mnukey, "Mnukey")->setCheckable(true);
    QMenu* display = addmenu(options, m.Mnudisplay, "Mnudisplay");
    additem(display, m.Mnucolour, "Mnucolour")->setCheckable(true);
    additem(display, m.Mnunumber, "Mnunumber")->setCheckable(true);

    QMenu* help = addmenu(nullptr, m.Mnuhelp, "Mnuhelp");
    additem(help, m.Mnuinstr, "Mnuinstr");
    additem(help, m.Mnuabout, "Mnuabout");
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
        connect(a, &QAction::triggered, this, [this, i] {
            act([&] { game_.Menu.Tlbgame_ButtonClick(game_.Main.Tlbgame[i].Key); });
        });
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
    auto* panel = new Clicklabel([this] { act([this] { game_.Menu.Stbmenu_Click(); }); }, bar);
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
    row->addWidget(button(m.Cmdstart, "Cmdstart", panel, [this] { game_.Start.Cmdstart_Click(); }));
    row->addWidget(
        button(m.Cmdcancel, "Cmdcancel", panel, [this] { game_.Menu.Cmdcancel_Click(); }));
    row->addWidget(button(lists.Cmdtop, "Cmdtop", panel, [this] { game_.Top.Cmdtop_Click(); }));
    row->addStretch();
    layout->addLayout(row);
    auto* statrow = new QHBoxLayout;
    statrow->addStretch();
    statrow->addWidget(button(m.Cmdstat, "Cmdstat", panel, [this] { game_.Runs.Cmdstat_Click(); }));
    statrow->addWidget(
        button(m.Cmdinitstat, "Cmdinitstat", panel, [this] { game_.Runs.Cmdinitstat_Click(); }));
    statrow->addWidget(
        button(m.Cmdsimulate, "Cmdsimulate", panel, [this] { game_.Runs.Cmdsimulate_Click(); }));
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
        act([&] { game_.Board.Picrecord_MouseDown(b); });
        // The game leaves the right button's menu to the window.
        if (b == 2 && game_.Main.Mnugame.Enabled) gamemenu_->popup(at);
    });
    layout->addWidget(record, 1);
    auto* bird = new Birdlayer(game_.Main.Ani, m.Picrecord, folder_, record);
    sync_.custom([bird] { return bird->refresh(); });
    return column;
}

QWidget* Mainwindow::buildsidepanels() {
    Fmmain& m = game_.Main;
    auto* column = new Sidepanels;
    column->setObjectName("Sidecolumn");
    QVBoxLayout* left = column->column(0);
    QVBoxLayout* middle = column->column(1);
    QVBoxLayout* right = middle;

    auto wrapped = [this](const Control& model, const char* name, QWidget* parent) {
        QLabel* l = label(model, name, parent);
        l->setWordWrap(true);
        return l;
    };
    // Colour boxes with their labels on top: the label takes the clicks, drags and drops.
    auto cells = [this](auto& pictures, auto& labels, const char* picstem, const char* labelstem,
                        QWidget* parent, QSize size, Dragsource::Kind kind,
                        std::function<void(int)> doubleclicked,
                        std::function<void(int, Dragsource)> dropped) {
        auto* row = new QHBoxLayout;
        row->setSpacing(3);
        for (size_t i = 0; i < pictures.size(); ++i) {
            const int index = static_cast<int>(i);
            Picturewidget* p = picture(pictures[i], (picstem + std::to_string(i)).c_str(), parent);
            p->setFixedSize(size);
            auto* l = new Celllabel(
                {kind, index}, [this, doubleclicked, index] { act([&] { doubleclicked(index); }); },
                [this, dropped, index](Dragsource from) { act([&] { dropped(index, from); }); },
                [this, kind, index] {
                    return game_.Panel.Candrag({kind, index});
                },
                p);
            l->setObjectName(Qs(labelstem + std::to_string(i)));
            // The digit reads on its colour, and on the washed-out face of a used-up colour.
            p->Setcolourcell(kind == Dragsource::Kind::Colour);
            sync_.custom([p, l] {
                const QColor ink = QColor::fromRgb(Readableink(p->Showncolour()));
                if (l->palette().color(QPalette::WindowText) == ink) return false;
                QPalette palette = l->palette();
                palette.setColor(QPalette::WindowText, ink);
                l->setPalette(palette);
                return true;
            });
            l->setGeometry(0, 0, size.width(), size.height());
            QFont digits = l->font();
            digits.setBold(true);
            l->setFont(digits);
            Bindlabel(sync_, labels[i], l);
            speakas(l, [this, kind, index] { return game_.Board.Spokencell({kind, index}); });
            row->addWidget(p);
        }
        row->addStretch();
        return row;
    };
    auto textbox = [this](Textbox& model, const char* name, QWidget* parent,
                          std::function<bool(char)> keypress) {
        auto* t = new Keytextbox(
            model,
            [this, keypress](char key) {
                bool taken = false;
                act([&] { taken = keypress(key); });
                return taken;
            },
            parent);
        t->setObjectName(name);
        Bindcontrol(sync_, model, t);
        sync_.live([&model] { return model.Caption; }, [t] { return t->text().toStdString(); },
                   [t](const std::string& s) {
                       const QSignalBlocker quiet(t);
                       t->setText(Qs(s));
                   });
        sync_.live([&model] { return model.Caret; }, [t] { return t->cursorPosition(); },
                   [t](int caret) {
                       const QSignalBlocker quiet(t);
                       t->setCursorPosition(caret);
                   });
        Bindfocus(sync_, model, t);
        return t;
    };
    auto keepchoice = [](Combolist& model) {
        return [&model](int index) { model.Listindex = index; };
    };
    auto choice = [](Combolist& model, std::function<void()> clicked) {
        return [&model, clicked](int index) {
            model.Listindex = index;
            clicked();
        };
    };

    // The setting beside the board.
    QGroupBox* setting = frame(m.Frsetting, "Frsetting", column);
    auto* settinglayout = new QHBoxLayout(setting);
    settinglayout->setSpacing(10);
    QLabel* settitle = label(m.Lblsettitle, "Lblsettitle", setting);
    QLabel* setcontent = label(m.Lblsetcontent, "Lblsetcontent", setting);
    settitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setcontent->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A point smaller than the rest: eight lines that must leave the board its room.
    QFont small = setcontent->font();
    small.setPointSizeF(small.pointSizeF() - 1);
    setcontent->setFont(small);
    // As wide as the longest setting it can show, so a new game's setting does not need more
    // room than the window keeps for it.
    int widest = 0;
    for (const std::string& text :
         {std::string(Anyrepeat), std::string(Whoitems[2]), std::string(Hintitems[1]),
          Unspecifieditem(8), std::string("Middle (Trial 27)")})
        widest = std::max(widest, setcontent->fontMetrics().horizontalAdvance(Qs(text)));
    setcontent->setMinimumWidth(widest);
    QFont bold = small;
    bold.setBold(true);
    settitle->setFont(bold);
    settinglayout->addWidget(settitle);
    settinglayout->addWidget(setcontent, 1);
    left->addWidget(setting);

    QLabel* time = label(m.Lbltime, "Lbltime", column);
    time->setFont(small);
    // As wide as the longest time it can show, so nothing moves as the seconds count.
    time->setMinimumWidth(
        time->fontMetrics().horizontalAdvance("Time spent:  59 minutes 59 seconds") + 24);
    time->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    Readquietly(time, "Time spent");
    left->addWidget(time);

    QGroupBox* answer = frame(m.Franswer, "Franswer", column);
    auto* answerlayout = new QVBoxLayout(answer);
    Picturewidget* picanswer = picture(m.Picanswer, "Picanswer", answer);
    speakas(picanswer, [&m] { return m.Franswer.Caption; });
    picanswer->setFixedHeight(40);
    answerlayout->addWidget(picanswer);
    middle->addWidget(answer);
    middle->addWidget(buildnamepanel(column));

    // Start of "Computer guesses": the trial to start from, who marks, the secret code.
    QGroupBox* trialno = frame(m.Frtrialno, "Frtrialno", column);
    auto* trialnolayout = new QVBoxLayout(trialno);
    QLabel* trialcaption = wrapped(m.Lbltrialno, "Lbltrialno", trialno);
    trialnolayout->addWidget(trialcaption);
    auto* trialnorow = new QHBoxLayout;
    QComboBox* cbtrialno = combo(m.Cbtrialno, "Cbtrialno", trialno, keepchoice(m.Cbtrialno));
    trialcaption->setBuddy(cbtrialno);
    trialnorow->addWidget(cbtrialno);
    trialnorow->addStretch();
    trialnorow->addWidget(
        button(m.Cmdoktrial, "Cmdoktrial", trialno, [this] { game_.Start.Cmdoktrial_Click(); }));
    trialnolayout->addLayout(trialnorow);
    right->addWidget(trialno);

    QGroupBox* mark = frame(m.Frmark, "Frmark", column);
    // The question names the pair of option buttons below it.
    speakas(mark, [&m] { return m.Lblmark.Caption; });
    auto* marklayout = new QVBoxLayout(mark);
    marklayout->addWidget(wrapped(m.Lblmark, "Lblmark", mark));
    auto* markrow = new QHBoxLayout;
    auto option = [this, mark](Optionbutton& model, std::function<void()> clicked,
                               const char* name) {
        auto* r = new QRadioButton(mark);
        r->setObjectName(name);
        // The model keeps the pair exclusive; Qt's own exclusivity could not show "neither".
        r->setAutoExclusive(false);
        sync_.add([&model] { return model.Caption; },
                  [r](const std::string& c) { r->setText(Qs(c)); });
        Bindcontrol(sync_, model, r);
        sync_.live([&model] { return model.Value; }, [r] { return r->isChecked(); },
                   [r](bool v) { r->setChecked(v); });
        connect(r, &QRadioButton::clicked, this, [this, clicked] { act(clicked); });
        return r;
    };
    markrow->addWidget(option(
        m.Optyesmark, [this] { game_.Menu.Optyesmark_Click(); }, "Optyesmark"));
    markrow->addWidget(option(
        m.Optnomark, [this] { game_.Menu.Optnomark_Click(); }, "Optnomark"));
    markrow->addStretch();
    markrow->addWidget(
        button(m.Cmdokmark, "Cmdokmark", mark, [this] { game_.Start.Cmdokmark_Click(); }));
    marklayout->addLayout(markrow);
    right->addWidget(mark);

    QGroupBox* askcode = frame(m.Fraskcode, "Fraskcode", column);
    auto* askcodelayout = new QVBoxLayout(askcode);
    askcodelayout->addWidget(wrapped(m.Lblaskcode, "Lblaskcode", askcode));
    askcodelayout->addWidget(
        button(m.Cmdready, "Cmdready", askcode, [this] { game_.Start.Cmdready_Click(); }), 0,
        Qt::AlignRight);
    right->addWidget(askcode);

    // Input of a string, by mouse and by keyboard. Their buttons come with the player's guessing.
    QGroupBox* getstring = frame(m.Frgetstring, "Frgetstring", column);
    auto* getstringlayout = new QVBoxLayout(getstring);
    auto* promptrow = new QHBoxLayout;
    promptrow->addWidget(wrapped(m.Lblgetstring, "Lblgetstring", getstring), 1);
    promptrow->addWidget(
        button(m.Cmdsubcol, "Cmdsubcol", getstring, [this] { game_.Guess.Cmdsubcol_Click(); }), 0,
        Qt::AlignBottom);
    getstringlayout->addLayout(promptrow);
    getstringlayout->addLayout(cells(
        m.Picstring, m.Lblstring, "Picstring", "Lblstring", getstring, QSize(26, 26),
        Dragsource::Kind::Box, [this](int k) { game_.Panel.Lblstring_DblClick(k); },
        [this](int k, Dragsource from) { game_.Panel.Lblstring_DragDrop(k, from); }));
    middle->addWidget(getstring);

    QGroupBox* input = frame(m.Frinput, "Frinput", column);
    auto* inputlayout = new QVBoxLayout(input);
    inputlayout->addWidget(wrapped(m.Lblinput, "Lblinput", input));
    auto* inputrow = new QHBoxLayout;
    QWidget* txtinput = textbox(m.Txtinput, "Txtinput", input,
                                [this](char k) { return game_.Guess.Txtinput_KeyPress(k); });
    speakas(txtinput, [&m] { return m.Lblinput.Caption; });
    inputrow->addWidget(txtinput, 1);
    inputrow->addWidget(
        button(m.Cmdsubnum, "Cmdsubnum", input, [this] { game_.Guess.Cmdsubnum_Click(); }));
    inputlayout->addLayout(inputrow);
    middle->addWidget(input);

    QGroupBox* colour = frame(m.Frcolour, "Frcolour", column);
    auto* colourlayout = new QVBoxLayout(colour);
    colourlayout->addLayout(cells(
        m.Piccolour, m.Lblcolour, "Piccolour", "Lblcolour", colour, QSize(26, 26),
        Dragsource::Kind::Colour, [this](int i) { game_.Panel.Lblcolour_DblClick(i); },
        [this](int i, Dragsource from) { game_.Panel.Lblcolour_DragDrop(i, from); }));
    middle->addWidget(colour);

    QGroupBox* error = frame(m.Frerror, "Frerror", column);
    auto* errorlayout = new QHBoxLayout(error);
    errorlayout->addWidget(
        button(m.Cmderror, "Cmderror", error, [this] { game_.Guess.Cmderror_Click(); }));
    errorlayout->setContentsMargins(0, 0, 0, 0);
    errorlayout->addStretch();
    middle->addWidget(error);

    // The result of the player's guess.
    QGroupBox* showresult = frame(m.Frshowresult, "Frshowresult", column);
    auto* showresultlayout = new QVBoxLayout(showresult);
    auto* resultrow = new QHBoxLayout;
    for (auto [box, boxname, caption, captionname, pic, picname] :
         {std::tuple{&m.Frcorrect, "Frcorrect", &m.Lblcorrect, "Lblcorrect", &m.Piccorrect,
                     "Piccorrect"},
          std::tuple{&m.Frwrong, "Frwrong", &m.Lblwrong, "Lblwrong", &m.Picwrong, "Picwrong"}}) {
        QGroupBox* f = frame(*box, boxname, showresult);
        auto* fl = new QVBoxLayout(f);
        fl->setContentsMargins(0, 0, 0, 0);
        fl->addWidget(wrapped(*caption, captionname, f));
        fl->addStretch(1);
        Picturewidget* p = picture(*pic, picname, f);
        speakas(p, [box = box] { return box->Caption; });
        // Eight marks of 300 twips, 350 apart, in the room the panel has.
        p->Setextent(QSize(350 * 7 + 300, 300), false);
        p->setFixedHeight(22);
        fl->addWidget(p);
        resultrow->addWidget(f, 1);
    }
    showresultlayout->addLayout(resultrow);
    auto* resultokrow = new QHBoxLayout;
    resultokrow->addWidget(wrapped(m.Lbltrials, "Lbltrials", showresult), 1);
    resultokrow->addWidget(button(m.Cmdshowresult, "Cmdshowresult", showresult,
                                  [this] { game_.Guess.Cmdshowresult_Click(); }));
    showresultlayout->addLayout(resultokrow);
    right->addWidget(showresult);

    // The player's marks of the computer's guess.
    QGroupBox* getresult = frame(m.Frgetresult, "Frgetresult", column);
    auto* getresultlayout = new QVBoxLayout(getresult);
    getresultlayout->addWidget(wrapped(m.Lblmyguess, "Lblmyguess", getresult));
    Picturewidget* guess = picture(m.Picguess, "Picguess", getresult);
    speakas(guess, [&m] { return m.Lblmyguess.Caption; });
    // Room for a line of 16-point digits in number display.
    guess->setFixedHeight(28);
    getresultlayout->addWidget(guess);
    auto* corrrow = new QHBoxLayout;
    // The marks are typed or picked from a list, each named by the caption before them.
    QLabel* getcorr = wrapped(m.Lblgetcorr, "Lblgetcorr", getresult);
    corrrow->addWidget(getcorr, 1);
    QWidget* txtcorrect = textbox(m.Txtcorrect, "Txtcorrect", getresult,
                                  [this](char k) { return game_.Marks.Txtcorrect_KeyPress(k); });
    speakas(txtcorrect, [&m] { return m.Lblgetcorr.Caption; });
    corrrow->addWidget(txtcorrect);
    QComboBox* cbcorrect = combo(m.Cbcorrect, "Cbcorrect", getresult,
                                 choice(m.Cbcorrect, [this] { game_.Marks.Cbcorrect_Click(); }));
    getcorr->setBuddy(cbcorrect);
    corrrow->addWidget(cbcorrect);
    getresultlayout->addLayout(corrrow);
    QGroupBox* getwrong = frame(m.Frgetwrong, "Frgetwrong", getresult);
    auto* wrongrow = new QHBoxLayout(getwrong);
    wrongrow->setContentsMargins(0, 0, 0, 0);
    QLabel* getwrongcaption = wrapped(m.Lblgetwrong, "Lblgetwrong", getwrong);
    wrongrow->addWidget(getwrongcaption, 1);
    QWidget* txtwrong = textbox(m.Txtwrong, "Txtwrong", getwrong,
                                [this](char k) { return game_.Marks.Txtwrong_KeyPress(k); });
    speakas(txtwrong, [&m] { return m.Lblgetwrong.Caption; });
    wrongrow->addWidget(txtwrong);
    QComboBox* cbwrong = combo(m.Cbwrong, "Cbwrong", getwrong,
                               choice(m.Cbwrong, [this] { game_.Marks.Cbwrong_Click(); }));
    getwrongcaption->setBuddy(cbwrong);
    wrongrow->addWidget(cbwrong);
    getresultlayout->addWidget(getwrong);
    auto* getresultrow = new QHBoxLayout;
    getresultrow->addWidget(wrapped(m.Lbltrials2, "Lbltrials2", getresult), 1);
    getresultrow->addWidget(
        button(m.Cmdwin, "Cmdwin", getresult, [this] { game_.Marks.Cmdwin_Click(); }));
    getresultrow->addWidget(button(m.Cmdgetresult, "Cmdgetresult", getresult,
                                   [this] { game_.Marks.Cmdgetresult_Click(); }));
    getresultlayout->addLayout(getresultrow);
    right->addWidget(getresult);

    // The demo's commentary and its speed.
    auto* demo = new QFrame(column);
    demo->setObjectName("Picdemo");
    Bindcontrol(sync_, m.Picdemo, demo);
    auto* demolayout = new QHBoxLayout(demo);
    Picturewidget* logo = picture(m.Piclogo, "Piclogo", demo);
    logo->setFixedSize(36, 36);
    demolayout->addWidget(logo, 0, Qt::AlignTop);
    demolayout->addWidget(wrapped(m.Lbldemo, "Lbldemo", demo), 1);
    right->addWidget(demo);

    QGroupBox* scroll = frame(m.Frscroll, "Frscroll", column);
    auto* scrolllayout = new QVBoxLayout(scroll);
    auto* speed = new QScrollBar(Qt::Horizontal, scroll);
    speed->setObjectName("Hsbspeed");
    Scrollbar& hsb = m.Hsbspeed;
    Bindcontrol(sync_, hsb, speed);
    sync_.add([&hsb] { return std::pair(hsb.Min, hsb.Max); },
              [speed](std::pair<int, int> range) {
                  const QSignalBlocker quiet(speed);
                  speed->setRange(range.first, range.second);
              });
    sync_.live([&hsb] { return hsb.Value; }, [speed] { return speed->value(); },
               [speed](int v) {
                   const QSignalBlocker quiet(speed);
                   speed->setValue(v);
               });
    connect(speed, &QScrollBar::valueChanged, this,
            [this](int v) { act([&] { game_.Demo.Hsbspeed_Change(v); }); });
    scrolllayout->addWidget(speed);
    right->addWidget(scroll);

    // How far a statistics run has come; its caption carries the rate and the time left.
    auto* progress = new QProgressBar(column);
    progress->setObjectName("Progress");
    progress->setTextVisible(true);
    progress->setAlignment(Qt::AlignCenter);
    Scrollbar& run = m.Progress;
    Bindcontrol(sync_, run, progress);
    sync_.add([&run] { return std::tuple(run.Min, run.Max, run.Value); },
              [progress](std::tuple<int, int, int> v) {
                  progress->setRange(std::get<0>(v), std::max(std::get<0>(v), std::get<1>(v)));
                  progress->setValue(std::get<2>(v));
              });
    sync_.add([&run] { return run.Caption; },
              [progress](const std::string& c) { progress->setFormat(Qs(c)); });
    right->addWidget(progress);

    // The marks are typed into boxes wide enough to show them whole.
    for (const char* name : {"Txtcorrect", "Txtwrong"}) {
        auto* marks = column->findChild<QLineEdit*>(name);
        marks->setMinimumWidth(marks->fontMetrics().horizontalAdvance("000") + 24);
    }
    // The hand over what the player takes colours from and puts them into, and over Error.
    const QCursor hand =
        Loadcursor(QDir(folder_).filePath("Icon/H_point.cur"), Qt::PointingHandCursor);
    for (QWidget* w : {static_cast<QWidget*>(colour), static_cast<QWidget*>(getstring),
                       static_cast<QWidget*>(error)})
        w->setCursor(hand);
    // The frames' insets come from the style sheet alone.
    for (QGroupBox* f : column->findChildren<QGroupBox*>())
        if (f->layout()) {
            f->layout()->setContentsMargins(0, 0, 0, 0);
            f->layout()->setSpacing(5);
        }
    column->finish();
    column->together(0, {setting, time});
    column->together(1, {getstring, colour, error});
    column->together(1, {input, colour, error});
    column->together(1, {getresult});
    column->together(1, {showresult});
    column->together(1, {demo, scroll});
    return column;
}

} // namespace tc::ui
