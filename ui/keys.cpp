#include "ui/keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <array>

namespace tc::ui {

namespace {

bool Usable(const QWidget* w) {
    return w->isVisible() && w->isEnabled();
}

// A push button or a link, not a tick box or an option button: Return is its click.
QAbstractButton* Pressable(QObject* o) {
    auto* b = qobject_cast<QAbstractButton*>(o);
    return b && !b->isCheckable() && Usable(b) ? b : nullptr;
}

// The window's own default button takes Return only while no button has the keyboard: the
// window's shortcut is kept off the focused button (its override taken), and the press is its
// click. A window that closes with the keyboard hands it back to the window the player was in
// before, which no window manager may be there to do.
class Buttonkeys : public QObject {
public:
    using QObject::QObject;
    // The windows as they took the keyboard, the latest last.
    std::vector<QPointer<QWidget>> Active;

    // The window that had the keyboard closed: when nothing else took it, back to the latest
    // window still shown.
    void giveback() {
        const QWidget* now = QApplication::activeWindow();
        if ((now && now->isVisible()) || Active.empty() ||
            (Active.back() && Active.back()->isVisible()))
            return;
        for (auto w = Active.rbegin(); w != Active.rend(); ++w)
            if (*w && (*w)->isVisible()) return (*w)->activateWindow();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && !Active.empty() && Active.back() == watched)
            QTimer::singleShot(0, this, [this] { giveback(); });
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier))
            return false;
        QAbstractButton* button = Pressable(watched);
        if (!button) return false;
        event->accept();
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) button->click();
        return true;
    }
};

// The top window of the program shown in `window`, or null.
QWidget* Widgetof(QWindow* window) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowHandle() == window) return top;
    return nullptr;
}

// Whether the modal `modal` blocks the window `top`: an application-modal one blocks every other
// window, a window-modal one the windows it sits over.
bool Blocks(const QWidget* modal, const QWidget* top) {
    if (top == modal) return false;
    if (modal->windowModality() == Qt::ApplicationModal) {
        for (const QWidget* p = top->parentWidget(); p; p = p->parentWidget())
            if (p->window() == modal) return false; // a window of its own
        return true;
    }
    for (const QWidget* p = modal->parentWidget(); p; p = p->parentWidget())
        if (p->window() == top) return true;
    return false;
}

} // namespace

void Installkeys() {
    static QPointer<Buttonkeys> installed;
    if (installed) return;
    installed = new Buttonkeys(qApp);
    qApp->installEventFilter(installed);
    // The windows are remembered as they take the keyboard. A click on a window a modal message
    // blocks gives that window the keyboard, which it cannot use: it goes on to the message,
    // where Return answers it.
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, installed, [](QWindow* window) {
        if (!window || window->type() == Qt::Popup) return;
        QWidget* top = Widgetof(window);
        if (!top) return;
        auto& active = installed->Active;
        std::erase_if(active, [top](const QPointer<QWidget>& w) { return !w || w == top; });
        active.emplace_back(top);
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !Blocks(modal, top)) return;
        QTimer::singleShot(0, modal, [modal] {
            if (modal->isVisible()) modal->activateWindow();
        });
    });
}

Boxbutton Escapebutton(const Fmmessage& message) {
    switch (message.Key) {
    case Waitkey::Mnuend:
    case Waitkey::Mnuquit:
    case Waitkey::Nofile:
    case Waitkey::Overwrite:
    case Waitkey::Delete:
        return Boxbutton::Cmdr2;
    default:
        break;
    }
    const std::array<std::pair<const Control*, Boxbutton>, 5> buttons{
        {{&message.Cmdl3, Boxbutton::Cmdl3},
         {&message.Cmdl2, Boxbutton::Cmdl2},
         {&message.Cmdmid, Boxbutton::Cmdmid},
         {&message.Cmdr2, Boxbutton::Cmdr2},
         {&message.Cmdr3, Boxbutton::Cmdr3}}};
    Boxbutton only = Boxbutton::None;
    int shown = 0;
    for (const auto& [model, name] : buttons)
        if (model->Visible) {
            ++shown;
            only = name;
        }
    return shown == 1 ? only : Boxbutton::None;
}

QWidget* Entry(QWidget* panel) {
    QWidget *input = nullptr, *defaultbutton = nullptr, *button = nullptr;
    for (QWidget* w = panel->nextInFocusChain(); w && w != panel && !input;
         w = w->nextInFocusChain()) {
        if (!panel->isAncestorOf(w) || !Usable(w) || !(w->focusPolicy() & Qt::TabFocus)) continue;
        auto* push = qobject_cast<QPushButton*>(w);
        if (!push && !Pressable(w))
            input = w;
        else if (push && push->isDefault() && !defaultbutton)
            defaultbutton = w;
        else if (!button)
            button = w;
    }
    return input ? input : defaultbutton ? defaultbutton : button;
}

bool Covered(const QWidget* widget) {
    const QWidget* window = widget->window();
    const QRect r = widget->rect();
    for (int x = 1; x < 6; x += 2)
        for (int y = 1; y < 6; y += 2) {
            const QWidget* top = window->childAt(
                widget->mapTo(window, QPoint(r.width() * x / 6, r.height() * y / 6)));
            if (top != widget && !widget->isAncestorOf(top)) return true;
        }
    return false;
}

Focuskeeper::Focuskeeper(QWidget* mainwindow, const Game& game) : game_(game), main_(mainwindow) {
    Installkeys();
    // Frerror is left out: its button claims an error, which Return must not do by chance.
    for (const char* name :
         {"Frmenu", "Picwinners", "Frgetname", "Frtrialno", "Frmark", "Fraskcode", "Frshowresult",
          "Frgetresult", "Frinput", "Frgetstring", "Frscroll"})
        if (auto* panel = main_->findChild<QWidget*>(name)) panels_.push_back(panel);
    shown_.assign(panels_.size(), false);
    // The board is where the keyboard waits while no panel asks for anything; reached by Tab.
    board_ = main_->findChild<QWidget*>("Picrecord");
    if (board_ && board_->focusPolicy() == Qt::NoFocus) board_->setFocusPolicy(Qt::TabFocus);
}

QWidget* Focuskeeper::prompt() const {
    for (QWidget* panel : panels_)
        if (panel->isVisible())
            if (QWidget* entry = Entry(panel)) return entry;
    return board_ && Usable(board_) && !Covered(board_) ? board_ : nullptr;
}

std::string Focuskeeper::asked() const {
    const std::string& key = game_.Wait.Key();
    return key.substr(key.rfind('+') + 1) + " " + std::to_string(game_.Rec.Trial);
}

void Focuskeeper::keep() {
    // A panel that opened, or asks anew, takes the keyboard at its entry, unless one such has it
    // there already (a text box the game asked for); of several, the first in order.
    // A message asks nothing of the panels: after it they are as the player left them.
    const std::string asked = game_.Message.Visible ? asked_ : this->asked();
    const bool anew = asked != asked_;
    asked_ = asked;
    // Tab passes over a covered board.
    const bool covered = board_ && Covered(board_);
    if (board_) board_->setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
    QWidget* focus = main_->focusWidget();
    QWidget* opened = nullptr;
    bool there = false;
    for (size_t i = 0; i < panels_.size(); ++i) {
        const bool now = panels_[i]->isVisibleTo(main_);
        if (now && (anew || !shown_[i])) {
            QWidget* entry = Entry(panels_[i]);
            there = there || (entry && entry == focus);
            if (!opened) opened = entry;
        }
        shown_[i] = now;
    }
    if (opened && !there) opened->setFocus(Qt::OtherFocusReason);
    // A control the player cannot see or use never keeps the keyboard.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QWidget* lost = top->isVisible() ? top->focusWidget() : nullptr;
        if (!lost || (Usable(lost) && !(lost == board_ && covered))) continue;
        if (QWidget* next = top == main_ ? prompt() : Entry(top))
            next->setFocus(Qt::OtherFocusReason);
        else
            lost->clearFocus();
    }
}

} // namespace tc::ui
