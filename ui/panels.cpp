// The panels of the main window: the setting menu, and the strip below the board, one builder
// to a frame. The strip keeps the room of every panel whether it shows or not, so nothing moves
// as panels come and go, and its boxes and text grow with the board.
#include "settings/settingtexts.h"
#include "ui/accessibility.h"
#include "ui/bind.h"
#include "ui/icons.h"
#include "ui/inputs.h"
#include "ui/mainwindow.h"
#include "ui/picturewidget.h"
#include "ui/stage.h"
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <tuple>

namespace tc::ui {

namespace {

// The room a layout keeps for `w`, shown or not.
void Keeproom(QWidget* w) {
    QSizePolicy p = w->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    w->setSizePolicy(p);
}

// A layout inside a frame: the frame's insets come from the style sheet alone.
template <class L> L* Inside(QWidget* frame) {
    auto* l = new L(frame);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(5);
    return l;
}

// The widest of `texts` in `font`.
int Widest(const QFont& font, const QStringList& texts) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& t : texts) widest = std::max(widest, metrics.horizontalAdvance(t));
    return widest;
}

// Every line the setting frame can show after its captions.
QStringList Settinglines() {
    QStringList lines;
    for (auto items : {std::vector<std::string_view>(Whoitems.begin(), Whoitems.end()),
                       std::vector<std::string_view>(Startitems.begin(), Startitems.end()),
                       std::vector<std::string_view>(Hintitems.begin(), Hintitems.end()),
                       std::vector<std::string_view>(Orderitems.begin(), Orderitems.end()),
                       std::vector<std::string_view>{Norepeat, Anyrepeat}})
        for (std::string_view item : items) lines << QString::fromUtf8(item.data(), item.size());
    for (int n = 2; n <= 8; ++n) lines << Qs(Repeatitem(n)) << Qs(Unspecifieditem(n));
    lines << "Middle (Trial 27)"
          << "Playing"
          << "Game over";
    return lines;
}

} // namespace

Wraplabel* Mainwindow::wrapped(const Control& model, const char* name, QWidget* parent, int lines) {
    auto* l = new Wraplabel(lines, parent);
    l->setObjectName(name);
    Bindlabel(sync_, model, l);
    // A caption of its own size keeps its proportion to the panels' text as they grow.
    sync_.add([&model] { return model.Fontsize; }, [l](int points) { l->Setpoints(points); });
    scaled([l](const Scale& s) { l->Setscale(s); });
    return l;
}

std::array<Strip*, 2> Mainwindow::buildstrips() {
    // The setting, the clock and the answer; and the panels of the game in play.
    const std::array<Strip*, 2> strips{new Strip, new Strip};
    strips[0]->setObjectName("Settingstrip");
    strips[1]->setObjectName("Strip");
    // Each control's own font (the style sheet keeps a parent's from reaching them), first:
    // the sizes measured after it depend on it.
    scaled([strips](const Scale& s) {
        for (Strip* strip : strips)
            for (QWidget* w : strip->findChildren<QWidget*>()) {
                if (dynamic_cast<Wraplabel*>(w)) continue;
                QFont f = w->font();
                f.setPointSizeF(s.Font);
                w->setFont(f);
            }
    });
    auto* left = new QVBoxLayout(strips[0]);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(6);
    // Panels that show together lie in different rows, those that take turns share a cell.
    auto* middle = new QGridLayout(strips[1]);
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(6);
    Strip* strip = strips[1];
    auto put = [middle](QWidget* w, int row, int rows = 1) {
        middle->addWidget(w, row, 0, rows, 1, Qt::AlignTop);
    };
    left->addWidget(buildsetting(strips[0]));
    left->addWidget(buildtime(strips[0]));
    left->addWidget(buildanswer(strips[0]));
    left->addStretch(1);
    put(buildnamepanel(strip), 0, 3);
    put(buildtrialno(strip), 0, 3);
    put(buildmark(strip), 0, 3);
    put(buildaskcode(strip), 0);
    put(buildgetstring(strip), 0);
    put(buildinput(strip), 0);
    put(buildcolour(strip), 1);
    put(builderror(strip), 2);
    put(buildshowresult(strip), 0, 3);
    put(buildgetresult(strip), 0, 3);
    put(builddemo(strip), 0);
    put(buildscroll(strip), 1);
    put(buildprogress(strip), 2);
    middle->setRowStretch(2, 1);
    for (Strip* s : strips)
        for (QWidget* w : s->findChildren<QWidget*>()) Keeproom(w);
    // The hand over what the player takes colours from and puts them into, and over Error.
    const QCursor hand =
        Loadcursor(QDir(folder_).filePath("Icon/H_point.cur"), Qt::PointingHandCursor);
    for (const char* name : {"Frcolour", "Frgetstring", "Frerror"})
        strip->findChild<QWidget*>(name)->setCursor(hand);
    return strips;
}

QGroupBox* Mainwindow::buildsetting(QWidget* parent) {
    Fmmain& m = game_.Main;
    QGroupBox* setting = frame(m.Frsetting, "Frsetting", parent);
    auto* layout = Inside<QHBoxLayout>(setting);
    layout->setSpacing(10);
    QLabel* title = label(m.Lblsettitle, "Lblsettitle", setting);
    QLabel* content = label(m.Lblsetcontent, "Lblsetcontent", setting);
    for (QLabel* l : {title, content}) l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont bold;
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    layout->addWidget(content, 1);
    // As wide as the longest line it can show, so no game's setting is cut or needs more room.
    scaled([title, content](const Scale&) {
        const int lines =
            8 * content->fontMetrics().lineSpacing() + content->fontMetrics().descent();
        title->setMinimumSize(Widest(title->font(), {"Hints contain error(s)?"}) + 2, lines);
        content->setMinimumSize(Widest(content->font(), Settinglines()) + 2, lines);
    });
    return setting;
}

QLabel* Mainwindow::buildtime(QWidget* parent) {
    QLabel* time = label(game_.Main.Lbltime, "Lbltime", parent);
    // As wide as the longest time it can show, so nothing moves as the seconds count.
    scaled([time](const Scale&) {
        time->setMinimumWidth(Widest(time->font(), {"Time spent:  59 minutes 59 seconds"}) + 24);
    });
    Readquietly(time, "Time spent");
    return time;
}

QGroupBox* Mainwindow::buildanswer(QWidget* parent) {
    Fmmain& m = game_.Main;
    QGroupBox* answer = frame(m.Franswer, "Franswer", parent);
    Picturewidget* picture = this->picture(m.Picanswer, "Picanswer", answer);
    speakas(picture, [&m] { return m.Franswer.Caption; });
    // Eight boxes of 255 twips, or a line of 16-point digits, 75 below the top.
    picture->Setextent(QSize(8 * 255, 460), false);
    scaled([picture](const Scale& s) {
        picture->setFixedHeight(std::lround(s.Pixels(460)));
        picture->setMinimumWidth(std::lround(s.Pixels(8 * 255)));
    });
    Inside<QVBoxLayout>(answer)->addWidget(picture);
    return answer;
}

QGroupBox* Mainwindow::buildtrialno(QWidget* parent) {
    Fmmain& m = game_.Main;
    QGroupBox* trialno = frame(m.Frtrialno, "Frtrialno", parent);
    auto* layout = Inside<QVBoxLayout>(trialno);
    QLabel* caption = wrapped(m.Lbltrialno, "Lbltrialno", trialno);
    layout->addWidget(caption);
    auto* row = new QHBoxLayout;
    QComboBox* list = combo(m.Cbtrialno, "Cbtrialno", trialno,
                            [&m](int index) { m.Cbtrialno.Listindex = index; });
    caption->setBuddy(list);
    row->addWidget(list);
    row->addStretch();
    row->addWidget(button(m.Cmdoktrial, "Cmdoktrial", trialno, Playerevent::Cmdoktrial));
    layout->addLayout(row);
    return trialno;
}

QGroupBox* Mainwindow::buildmark(QWidget* parent) {
    Fmmain& m = game_.Main;
    QGroupBox* mark = frame(m.Frmark, "Frmark", parent);
    // The question names the pair of option buttons below it.
    speakas(mark, [&m] { return m.Lblmark.Caption; });
    auto* layout = Inside<QVBoxLayout>(mark);
    layout->addWidget(wrapped(m.Lblmark, "Lblmark", mark));
    auto* row = new QHBoxLayout;
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
    row->addWidget(option(
        m.Optyesmark, [this] { game_.Controls.Send(Playerevent::Optyesmark); }, "Optyesmark"));
    row->addWidget(option(
        m.Optnomark, [this] { game_.Controls.Send(Playerevent::Optnomark); }, "Optnomark"));
    row->addStretch();
    row->addWidget(button(m.Cmdokmark, "Cmdokmark", mark, Playerevent::Cmdokmark));
    layout->addLayout(row);
    return mark;
}

QGroupBox* Mainwindow::buildaskcode(QWidget* parent) {
    Fmmain& m = game_.Main;
    QGroupBox* askcode = frame(m.Fraskcode, "Fraskcode", parent);
    auto* layout = Inside<QVBoxLayout>(askcode);
    layout->addWidget(wrapped(m.Lblaskcode, "Lblaskcode", askcode));
    layout->addWidget(button(m.Cmdready, "Cmdready", askcode, Playerevent::Cmdready), 0,
                      Qt::AlignRight);
    return askcode;
}

// Colour boxes with their labels on top: the label takes the clicks, drags and drops.
QHBoxLayout* Mainwindow::cells(std::span<Picture> pictures, std::span<Control> labels,
                               const char* stem, QWidget* parent, Dragsource::Kind kind) {
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    for (size_t i = 0; i < pictures.size(); ++i) {
        const int index = static_cast<int>(i);
        const std::string n = std::string(stem) + std::to_string(i);
        Picturewidget* p = picture(pictures[i], ("Pic" + n).c_str(), parent);
        auto* l = new Celllabel(
            {kind, index},
            [this, kind, index] { act([&] {
                                      game_.Controls.Doubleclick({kind, index});
                                  }); },
            [this, kind, index](Dragsource from) {
                act([&] { game_.Controls.Drop({kind, index}, from); });
            },
            [this, kind, index] {
                return game_.Controls.Candrag({kind, index});
            },
            p);
        l->setObjectName(Qs("Lbl" + n));
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
        QFont digits;
        digits.setBold(true);
        l->setFont(digits);
        scaled([p, l](const Scale& s) {
            p->setFixedSize(s.Box, s.Box);
            l->setGeometry(0, 0, s.Box, s.Box);
        });
        Bindlabel(sync_, labels[i], l);
        speakas(l, [this, kind, index] { return game_.Controls.Spokencell({kind, index}); });
        row->addWidget(p);
    }
    row->addStretch();
    return row;
}

QGroupBox* Mainwindow::buildgetstring(QWidget* parent) {
    Fmmain& m = game_.Main;
    // Input of a string, by mouse. Its button comes with the player's guessing.
    QGroupBox* getstring = frame(m.Frgetstring, "Frgetstring", parent);
    auto* layout = Inside<QVBoxLayout>(getstring);
    Wraplabel* prompt = wrapped(m.Lblgetstring, "Lblgetstring", getstring);
    std::vector<std::pair<QString, int>> longest;
    for (const Stringprompts& p : Everystringprompt()) longest.emplace_back(Qs(p.Mouse), p.Points);
    prompt->Reserve(std::move(longest));
    layout->addWidget(prompt);
    QHBoxLayout* row = cells(m.Picstring, m.Lblstring, "string", getstring, Dragsource::Kind::Box);
    row->addWidget(button(m.Cmdsubcol, "Cmdsubcol", getstring, Playerevent::Cmdsubcol), 0,
                   Qt::AlignBottom);
    layout->addLayout(row);
    return getstring;
}

Keytextbox* Mainwindow::keybox(Textbox& model, const char* name, QWidget* parent,
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
}

QGroupBox* Mainwindow::buildinput(QWidget* parent) {
    Fmmain& m = game_.Main;
    QGroupBox* input = frame(m.Frinput, "Frinput", parent);
    auto* layout = Inside<QVBoxLayout>(input);
    Wraplabel* prompt = wrapped(m.Lblinput, "Lblinput", input);
    QStringList longest;
    for (const Stringprompts& p : Everystringprompt()) longest << Qs(p.Typed);
    prompt->Reserve(longest);
    layout->addWidget(prompt);
    auto* row = new QHBoxLayout;
    QWidget* text = keybox(m.Txtinput, "Txtinput", input,
                           [this](char k) { return game_.Controls.Guesskey(k); });
    speakas(text, [&m] { return m.Lblinput.Caption; });
    row->addWidget(text, 1);
    row->addWidget(button(m.Cmdsubnum, "Cmdsubnum", input, Playerevent::Cmdsubnum));
    layout->addLayout(row);
    return input;
}

QGroupBox* Mainwindow::buildcolour(QWidget* parent) {
    Fmmain& m = game_.Main;
    QGroupBox* colour = frame(m.Frcolour, "Frcolour", parent);
    Inside<QVBoxLayout>(colour)->addLayout(
        cells(m.Piccolour, m.Lblcolour, "colour", colour, Dragsource::Kind::Colour));
    return colour;
}

QGroupBox* Mainwindow::builderror(QWidget* parent) {
    Fmmain& m = game_.Main;
    QGroupBox* error = frame(m.Frerror, "Frerror", parent);
    auto* layout = Inside<QHBoxLayout>(error);
    layout->addWidget(button(m.Cmderror, "Cmderror", error, Playerevent::Cmderror));
    layout->addStretch();
    return error;
}

QGroupBox* Mainwindow::buildshowresult(QWidget* parent) {
    Fmmain& m = game_.Main;
    // The result of the player's guess.
    QGroupBox* showresult = frame(m.Frshowresult, "Frshowresult", parent);
    auto* layout = Inside<QVBoxLayout>(showresult);
    auto* marks = new QHBoxLayout;
    for (auto [box, boxname, caption, captionname, pic, picname] :
         {std::tuple{&m.Frcorrect, "Frcorrect", &m.Lblcorrect, "Lblcorrect", &m.Piccorrect,
                     "Piccorrect"},
          std::tuple{&m.Frwrong, "Frwrong", &m.Lblwrong, "Lblwrong", &m.Picwrong, "Picwrong"}}) {
        QGroupBox* f = frame(*box, boxname, showresult);
        auto* fl = Inside<QVBoxLayout>(f);
        fl->addWidget(wrapped(*caption, captionname, f));
        fl->addStretch(1);
        Picturewidget* p = picture(*pic, picname, f);
        speakas(p, [box = box] { return box->Caption; });
        // Eight marks of 300 twips, 350 apart, as large as the room allows.
        p->Setextent(QSize(350 * 7 + 300, 300), false);
        scaled([p](const Scale& s) {
            p->setFixedHeight(std::lround(s.Pixels(300)));
            p->setMinimumWidth(std::lround(s.Pixels(350 * 7 + 300) / 2));
        });
        fl->addWidget(p);
        marks->addWidget(f, 1);
    }
    layout->addLayout(marks);
    auto* ok = new QHBoxLayout;
    ok->addWidget(wrapped(m.Lbltrials, "Lbltrials", showresult, 1), 1);
    ok->addWidget(button(m.Cmdshowresult, "Cmdshowresult", showresult, Playerevent::Cmdshowresult));
    layout->addLayout(ok);
    return showresult;
}

QGroupBox* Mainwindow::buildgetresult(QWidget* parent) {
    Fmmain& m = game_.Main;
    // The player's marks of the computer's guess.
    QGroupBox* getresult = frame(m.Frgetresult, "Frgetresult", parent);
    auto* layout = Inside<QVBoxLayout>(getresult);
    layout->addWidget(wrapped(m.Lblmyguess, "Lblmyguess", getresult, 1));
    Picturewidget* guess = picture(m.Picguess, "Picguess", getresult);
    speakas(guess, [&m] { return m.Lblmyguess.Caption; });
    // Eight boxes of 255 twips, or a line of 16-point digits in number display.
    guess->Setextent(QSize(8 * 255, 380), false);
    scaled([guess](const Scale& s) {
        guess->setFixedHeight(std::lround(s.Pixels(380)));
        guess->setMinimumWidth(std::lround(s.Pixels(8 * 255)));
    });
    layout->addWidget(guess);
    // The marks are typed or picked from a list, each named by the caption before them; the box
    // and the list take turns in one place.
    auto* marks = new QGridLayout;
    marks->setSpacing(5);
    Wraplabel* getcorr = wrapped(m.Lblgetcorr, "Lblgetcorr", getresult);
    getcorr->Reserve({"How many correct colours have I got in correct position?\nIf I have got the "
                      "correct answer, please press WIN."});
    marks->addWidget(getcorr, 0, 0);
    QLineEdit* txtcorrect = keybox(m.Txtcorrect, "Txtcorrect", getresult,
                                   [this](char k) { return game_.Controls.Correctkey(k); });
    speakas(txtcorrect, [&m] { return m.Lblgetcorr.Caption; });
    marks->addWidget(txtcorrect, 0, 1);
    QComboBox* cbcorrect = combo(m.Cbcorrect, "Cbcorrect", getresult, [this](int index) {
        game_.Main.Cbcorrect.Listindex = index;
        game_.Controls.Send(Playerevent::Cbcorrect);
    });
    getcorr->setBuddy(cbcorrect);
    marks->addWidget(cbcorrect, 0, 1);
    layout->addLayout(marks);
    layout->addWidget(buildgetwrong(getresult));
    marks->setColumnStretch(0, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(wrapped(m.Lbltrials2, "Lbltrials2", getresult, 1), 1);
    row->addWidget(button(m.Cmdwin, "Cmdwin", getresult, Playerevent::Cmdwin));
    row->addWidget(button(m.Cmdgetresult, "Cmdgetresult", getresult, Playerevent::Cmdgetresult));
    layout->addLayout(row);
    for (QLineEdit* box : {txtcorrect, getresult->findChild<QLineEdit*>("Txtwrong")})
        scaled([box](const Scale&) {
            // Wide enough to show the marks whole.
            box->setMinimumWidth(box->fontMetrics().horizontalAdvance("000") + 24);
        });
    return getresult;
}

QGroupBox* Mainwindow::buildgetwrong(QWidget* parent) {
    Fmmain& m = game_.Main;
    QGroupBox* getwrong = frame(m.Frgetwrong, "Frgetwrong", parent);
    auto* row = Inside<QGridLayout>(getwrong);
    Wraplabel* caption = wrapped(m.Lblgetwrong, "Lblgetwrong", getwrong);
    caption->Reserve({"How many correct colours have I got in wrong position?"});
    row->addWidget(caption, 0, 0);
    QLineEdit* txtwrong = keybox(m.Txtwrong, "Txtwrong", getwrong,
                                 [this](char k) { return game_.Controls.Wrongkey(k); });
    speakas(txtwrong, [&m] { return m.Lblgetwrong.Caption; });
    row->addWidget(txtwrong, 0, 1);
    QComboBox* cbwrong = combo(m.Cbwrong, "Cbwrong", getwrong, [this](int index) {
        game_.Main.Cbwrong.Listindex = index;
        game_.Controls.Send(Playerevent::Cbwrong);
    });
    caption->setBuddy(cbwrong);
    row->addWidget(cbwrong, 0, 1);
    row->setColumnStretch(0, 1);
    return getwrong;
}

QWidget* Mainwindow::builddemo(QWidget* parent) {
    Fmmain& m = game_.Main;
    // The demo's commentary.
    auto* demo = new QFrame(parent);
    demo->setObjectName("Picdemo");
    Bindcontrol(sync_, m.Picdemo, demo);
    auto* layout = new QHBoxLayout(demo);
    Picturewidget* logo = picture(m.Piclogo, "Piclogo", demo);
    scaled([logo](const Scale& s) { logo->setFixedSize(s.Box * 3 / 2, s.Box * 3 / 2); });
    layout->addWidget(logo, 0, Qt::AlignTop);
    layout->addWidget(wrapped(m.Lbldemo, "Lbldemo", demo, 3), 1);
    return demo;
}

QGroupBox* Mainwindow::buildscroll(QWidget* parent) {
    Fmmain& m = game_.Main;
    // The demo's speed.
    QGroupBox* scroll = frame(m.Frscroll, "Frscroll", parent);
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
            [this](int v) { act([&] { game_.Controls.Speed(v); }); });
    Inside<QVBoxLayout>(scroll)->addWidget(speed);
    return scroll;
}

QWidget* Mainwindow::buildprogress(QWidget* parent) {
    // How far a statistics run has come; its caption carries the rate and the time left.
    auto* progress = new QProgressBar(parent);
    progress->setObjectName("Progress");
    progress->setTextVisible(true);
    progress->setAlignment(Qt::AlignCenter);
    Scrollbar& run = game_.Main.Progress;
    Bindcontrol(sync_, run, progress);
    sync_.add([&run] { return std::tuple(run.Min, run.Max, run.Value); },
              [progress](std::tuple<int, int, int> v) {
                  progress->setRange(std::get<0>(v), std::max(std::get<0>(v), std::get<1>(v)));
                  progress->setValue(std::get<2>(v));
              });
    sync_.add([&run] { return run.Caption; },
              [progress](const std::string& c) { progress->setFormat(Qs(c)); });
    return progress;
}

} // namespace tc::ui
