#include "ui/accessibility.h"

#include "play/game.h"
#include "ui/bind.h"
#include "ui/keys.h"
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <map>
#include <vector>

namespace tc::ui {

namespace {

constexpr const char* Quietproperty = "tcquiet";

QString Withoutamp(QString text) {
    return text.remove(QLatin1Char('&'));
}

// The control last told something: its name of its own before (as set, and as read), and what
// it was told.
struct Told {
    QPointer<QWidget> Widget;
    QString Before, Name, News;
};
Told& Lasttold() {
    static Told told;
    return told;
}

// Gives the told control its own name back, unless something else has named it since.
void Untell() {
    const Told told = std::exchange(Lasttold(), Told{});
    if (told.Widget && told.Widget->accessibleName() == told.News)
        told.Widget->setAccessibleName(told.Before);
}

// Names `widget` with `text`, read as the keyboard reaches it and on request; its own name
// follows, so the player still hears where the keyboard is.
void Tell(QWidget* widget, const QString& text) {
    Told told = Lasttold();
    if (told.Widget != widget) {
        Untell();
        const QAccessibleInterface* i = QAccessible::queryAccessibleInterface(widget);
        told = {widget, widget->accessibleName(), i ? i->text(QAccessible::Name) : QString(), {}};
    }
    if (told.Name.startsWith(text)) return;
    told.News = text.contains(told.Name) ? text : text + ". " + told.Name;
    Lasttold() = told;
    widget->setAccessibleName(told.News);
}

// Roles a screen reader reads by their label, value or items rather than by their name.
bool Namesunheard(QAccessible::Role role) {
    switch (role) {
    case QAccessible::ComboBox:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::StaticText:
    case QAccessible::Cell:
    case QAccessible::Row:
    case QAccessible::MenuItem:
    case QAccessible::PopupMenu:
        return true;
    default:
        return false;
    }
}

// The rows of a widget read as a list, and the row the keyboard is on (-1: the last, as rows
// come).
struct Rowsource {
    std::function<QString()> Name;
    std::function<QStringList()> Rows;
    int Current = -1;
};
std::map<const QObject*, Rowsource>& Rowsources() {
    static std::map<const QObject*, Rowsource> sources;
    return sources;
}

class Itemaccess;
class Itemsaccess;

// The list whose item of news a screen reader was last moved to.
QPointer<QObject>& Tellinglist() {
    static QPointer<QObject> list;
    return list;
}

// A widget read as a list of items, one of them current: the item the keyboard is on.
class Itemsaccess : public QAccessibleWidget {
public:
    Itemsaccess(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    ~Itemsaccess() override {
        for (QAccessible::Id id : items_) QAccessible::deleteAccessibleInterface(id);
        for (QAccessible::Id id : news_)
            if (id) QAccessible::deleteAccessibleInterface(id);
    }
    virtual QStringList items() const = 0;
    virtual int current() const = 0;
    QWidget* shown() const { return widget(); }

    int count() const { return static_cast<int>(items().size()); }
    // The items, and the item of news while a screen reader is on it.
    int childCount() const override { return count() + (telling_ ? 1 : 0); }
    QAccessibleInterface* child(int i) const override;
    int indexOfChild(const QAccessibleInterface* c) const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override {
        return widget()->hasFocus() ? child(current()) : nullptr;
    }
    // Moves a screen reader to the current item, which it reads.
    void tellcurrent() {
        QAccessibleInterface* item = child(current());
        if (!item) return; // no rows: news told stay
        stoptelling();
        tell(item);
    }
    // Moves a screen reader to an item after the list's own that holds `text`, which it reads,
    // whether or not the list has the keyboard; any move of the keyboard takes the reader on and
    // the item away. Two such items take turns, so news after news is a move too.
    void tellnews(const QString& text);
    bool isnews(const QAccessibleInterface* item) const {
        return telling_ && QAccessible::accessibleInterface(news_[1]) == item;
    }
    void stoptelling() { telling_ = false; }
    bool telling() const { return telling_; }

private:
    static void tell(QAccessibleInterface* item) {
        QAccessibleEvent focus(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    mutable std::vector<QAccessible::Id> items_; // one per place ever asked for
    QAccessible::Id news_[2] = {0, 0};           // the item of news told last is the second
    bool telling_ = false;
};

// One item of such a list.
class Itemaccess : public QAccessibleInterface {
public:
    Itemaccess(Itemsaccess* list, int index) : list_(list), index_(index) {}
    bool isValid() const override { return list_->isValid() && index_ < list_->count(); }
    bool isnews() const { return index_ < 0; }
    void setnews(const QString& text) { news_ = text; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return list_->window(); }
    QAccessibleInterface* parent() const override { return list_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return {};
        return isnews() ? news_ : list_->items().value(index_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return list_->rect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = s.selectable = true;
        s.selected = index_ == list_->current();
        s.focused = isnews() ? list_->isnews(this) : s.selected && list_->shown()->hasFocus();
        s.invisible = !list_->shown()->isVisible();
        return s;
    }
    int index() const { return index_; }

private:
    Itemsaccess* list_;
    int index_;
    QString news_; // what an item of news holds
};

QAccessibleInterface* Itemsaccess::child(int i) const {
    if (i == count() && telling_) return QAccessible::accessibleInterface(news_[1]);
    if (i < 0 || i >= count()) return nullptr;
    while (static_cast<int>(items_.size()) <= i)
        items_.push_back(QAccessible::registerAccessibleInterface(
            new Itemaccess(const_cast<Itemsaccess*>(this), static_cast<int>(items_.size()))));
    return QAccessible::accessibleInterface(items_[static_cast<size_t>(i)]);
}

void Itemsaccess::tellnews(const QString& text) {
    std::swap(news_[0], news_[1]);
    if (!news_[1]) news_[1] = QAccessible::registerAccessibleInterface(new Itemaccess(this, -1));
    auto* item = static_cast<Itemaccess*>(QAccessible::accessibleInterface(news_[1]));
    item->setnews(text);
    telling_ = true;
    Tellinglist() = widget();
    tell(item);
}

int Itemsaccess::indexOfChild(const QAccessibleInterface* c) const {
    const auto* item = dynamic_cast<const Itemaccess*>(c);
    if (isnews(item)) return count();
    return item && item->parent() == this && !item->isnews() ? item->index() : -1;
}

// News told, not yet heard: the keyboard may still move this turn.
QString& Fresh() {
    static QString fresh;
    return fresh;
}
// Where news already heard were told: news kept a moment for a window about to take the
// keyboard (null: news of this turn).
QPointer<QWidget>& Toldwindow() {
    static QPointer<QWidget> window;
    return window;
}

// Tells `news` where the keyboard is: a list of ours through an item of news, else through an
// item of news of a list of rows shown in the same window; a screen reader hears no change of a
// name from Qt, and this is a move. With no such list, the control is told by name, to be read
// on request. A control of another window the keyboard reaches within half a second is told
// them too.
void Tellfocused(const QString& news) {
    QWidget* w = QApplication::focusWidget();
    QAccessibleInterface* i = w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    // A control named by its prompt has been read with it; not so a text box, whose caret a
    // screen reader may take for a silent arrival before the move is told.
    if (!i ||
        (i->text(QAccessible::Name).startsWith(news) && i->role() != QAccessible::EditableText))
        return;
    auto* items = dynamic_cast<Itemsaccess*>(i);
    // Of the lists shown in the window, one not covered by another (the board under TOP FIVE).
    for (bool covered : {false, true})
        for (const auto& [widget, source] : Rowsources()) {
            auto* row = const_cast<QWidget*>(static_cast<const QWidget*>(widget));
            if (!items && row->isVisible() && row->window() == w->window() &&
                (covered || !Covered(row)))
                items = dynamic_cast<Itemsaccess*>(QAccessible::queryAccessibleInterface(row));
        }
    if (items)
        items->tellnews(news);
    else
        Tell(w, news);
    // Another window about to take the keyboard (a message) reads them as it does.
    Fresh() = news;
    Toldwindow() = w->window();
    QTimer::singleShot(500, qApp, [news] {
        if (Fresh() == news) Fresh().clear();
    });
}

// A drop-down list tells its value as text, which a screen reader reads as the list's value;
// each choice is an item, and the keyboard moving to another choice moves the reader to it.
class Comboaccess : public Itemsaccess, public QAccessibleTextInterface {
public:
    explicit Comboaccess(QComboBox* combo) : Itemsaccess(combo, QAccessible::ComboBox) {
        QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [this, combo] {
            if (combo->hasFocus()) tellcurrent();
        });
    }
    QComboBox* combo() const { return static_cast<QComboBox*>(widget()); }
    QString value() const { return combo()->currentText(); }
    QStringList items() const override {
        QStringList out;
        for (int i = 0; i < combo()->count(); ++i) out << combo()->itemText(i);
        return out;
    }
    int current() const override { return combo()->currentIndex(); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return value();
        QString s = QAccessibleWidget::text(t);
        return t == QAccessible::Name && s.isEmpty() ? value() : s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The value as read-only text.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return value().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(value().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
};

// A button of either kind: named by its text, checked when it is, pressed by a click.
class Buttonaccess : public QAccessibleWidget {
public:
    Buttonaccess(QAbstractButton* b, QAccessible::Role role) : QAccessibleWidget(b, role) {}
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        return t == QAccessible::Name && s.isEmpty() ? Withoutamp(button()->text()) : s;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << pressAction();
    }
    void doAction(const QString& action) override {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

// An option button: a radio button even when the game, not Qt, keeps its group exclusive.
class Radioaccess : public Buttonaccess {
public:
    explicit Radioaccess(QRadioButton* r) : Buttonaccess(r, QAccessible::RadioButton) {}
};

// A toolbar button, its tool tip read only when it says more than its name.
class Toolaccess : public Buttonaccess {
public:
    explicit Toolaccess(QToolButton* b) : Buttonaccess(b, QAccessible::Button) {}
    QString text(QAccessible::Text t) const override {
        const QString s = Buttonaccess::text(t);
        return t == QAccessible::Description && s == Buttonaccess::text(QAccessible::Name)
                   ? QString()
                   : s;
    }
};

// A label read when asked: its text, spaces folded, is its name.
class Quietaccess : public QAccessibleWidget {
public:
    explicit Quietaccess(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text().simplified();
        return QAccessibleWidget::text(t);
    }
};

class Rowlistaccess : public Itemsaccess {
public:
    explicit Rowlistaccess(QWidget* w) : Itemsaccess(w, QAccessible::List) {}
    Rowsource& source() const { return Rowsources().at(object()); }
    QStringList items() const override { return source().Rows(); }
    int current() const override {
        const int n = count(), c = source().Current;
        return c < 0 || c >= n ? n - 1 : c;
    }
    // Named, and described by its rows alone.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) return {};
        return t == QAccessible::Name ? source().Name() : QAccessibleWidget::text(t);
    }
};

// Moves the keyboard's row by the arrow keys and tells each row reached.
class Rowkeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = static_cast<QWidget*>(watched);
        auto list = [w] {
            return static_cast<Rowlistaccess*>(QAccessible::queryAccessibleInterface(w));
        };
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, w, [w, list] {
                // News that came with the keyboard are read, not the row over them.
                if (w->hasFocus() && !list()->telling()) list()->tellcurrent();
            });
        if (event->type() != QEvent::KeyPress) return false;
        const int n = list()->count(), now = list()->current();
        int next = now;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
            next = now - 1;
            break;
        case Qt::Key_Down:
            next = now + 1;
            break;
        case Qt::Key_Home:
            next = 0;
            break;
        case Qt::Key_End:
            next = n - 1;
            break;
        default:
            return false;
        }
        next = std::clamp(next, 0, std::max(n - 1, 0));
        list()->source().Current = next == n - 1 ? -1 : next;
        list()->tellcurrent();
        return true;
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (Rowsources().count(object)) return new Rowlistaccess(w);
    if (auto* l = qobject_cast<QLabel*>(w); l && l->property(Quietproperty).toBool())
        return new Quietaccess(l);
    if (auto* c = qobject_cast<QComboBox*>(w); c && !c->isEditable()) return new Comboaccess(c);
    if (auto* r = qobject_cast<QRadioButton*>(w)) return new Radioaccess(r);
    if (auto* b = qobject_cast<QToolButton*>(w); b && qobject_cast<QToolBar*>(b->parentWidget()))
        return new Toolaccess(b);
    return nullptr;
}

} // namespace

void Installaccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(Factory);
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget* old, QWidget* now) {
        // A told control gets its own name back once the keyboard has left it: the change is
        // not read out then, and whoever reads the control later hears its name.
        if (old && old == Lasttold().Widget)
            QTimer::singleShot(0, qApp, [old = QPointer<QWidget>(old)] {
                if (old && old == Lasttold().Widget) Untell();
            });
        if (auto* list = dynamic_cast<Itemsaccess*>(
                QAccessible::queryAccessibleInterface(Tellinglist().data())))
            list->stoptelling();
        // News of this turn go with the keyboard to a control that reads its name as it
        // arrives: named now, before Qt tells of the move, it is read with the news. A list of
        // ours tells them after its own reading.
        const QAccessibleInterface* i = now ? QAccessible::queryAccessibleInterface(now) : nullptr;
        if (i && Toldwindow() && now->window() == Toldwindow()) Fresh().clear();
        if (!Fresh().isEmpty() && i && !dynamic_cast<const Itemsaccess*>(i) &&
            !Namesunheard(i->role()))
            Tell(now, std::exchange(Fresh(), QString()));
    });
}

void Readasrows(QWidget* widget, std::function<QString()> name, std::function<QStringList()> rows,
                bool fromlast) {
    Rowsources()[widget] = {std::move(name), std::move(rows), fromlast ? -1 : 0};
    QObject::connect(widget, &QObject::destroyed, [widget] { Rowsources().erase(widget); });
    widget->setFocusPolicy(Qt::TabFocus);
    widget->installEventFilter(new Rowkeys(widget));
}

QStringList Winnerrows(const Fmmain& m) {
    // Each column holds a line and a blank line per place.
    auto lines = [](const std::string& column) { return Qs(column).split(QStringLiteral("\n\n")); };
    const QStringList names = lines(m.Lblname.Caption), times = lines(m.Lbllisttime.Caption),
                      attempts = lines(m.Lblattempt.Caption);
    QStringList rows;
    for (qsizetype i = 0; i < names.size(); ++i) {
        QString row = names[i].simplified();
        if (row.isEmpty()) continue;
        const QString time = times.value(i).simplified(), tries = attempts.value(i).simplified();
        if (!time.isEmpty()) row += ", " + Qs(m.Lbltimespent.Caption) + " " + time;
        if (!tries.isEmpty()) row += ", " + Qs(m.Lblnotrials.Caption) + " " + tries;
        rows << row;
    }
    return rows;
}

void Readquietly(QLabel* label, const QString& name) {
    label->setProperty(Quietproperty, true);
    // A label with a name of its own sends no change of name as its text changes.
    label->setAccessibleName(name);
}

void Announce(const QString& text) {
    static bool queued = false;
    Fresh() = queued ? Fresh() + "\n" + text : text;
    Toldwindow() = nullptr;
    if (!std::exchange(queued, true))
        QTimer::singleShot(0, qApp, [] {
            queued = false;
            if (!Fresh().isEmpty()) Tellfocused(std::exchange(Fresh(), QString()));
        });
}

void Announcenews(Syncset& sync, const Game& game) {
    const Fmmain& m = game.Main;
    auto news = [&sync](std::function<std::string()> text) {
        sync.add(std::move(text), [](const std::string& t) {
            if (!t.empty()) Announce(Qs(t));
        });
    };
    // The marks of the player's guess.
    news([&m] { return m.Frshowresult.Visible ? m.Piccorrect.Spokentext() : std::string(); });
    // The computer's guess, for the player to mark.
    news([&m] {
        return m.Frgetresult.Visible ? m.Lbltrials2.Caption + ". " + m.Lblmyguess.Caption + " " +
                                           m.Picguess.Spokentext()
                                     : std::string();
    });
    // What the open panel asks for.
    news([&m] {
        if (m.Frinput.Visible) return m.Lblinput.Caption;
        if (m.Frgetstring.Visible) return m.Lblgetstring.Caption;
        if (m.Fraskcode.Visible) return m.Lblaskcode.Caption;
        return m.Frtrialno.Visible ? m.Lbltrialno.Caption : std::string();
    });
    news([&m] { return m.Franswer.Visible ? m.Picanswer.Spokentext() : std::string(); });
    news([&m] {
        return m.Frgetname.Visible ? m.Lblgetname.Caption + " " + m.Lblcharacter.Caption
                                   : std::string();
    });
}

} // namespace tc::ui
