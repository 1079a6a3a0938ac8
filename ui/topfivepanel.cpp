// The TOP FIVE list over the board, its design-mode editor, and the name panel of a new entry.
#include "ui/accessibility.h"
#include "ui/bind.h"
#include "ui/mainwindow.h"
#include "ui/picturewidget.h"
#include "ui/scenery.h"
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tc::ui {

namespace {

QFont Bolder(QFont font) {
    font.setBold(true);
    return font;
}

} // namespace

QLineEdit* Mainwindow::plaintext(Textbox& model, const char* name, QWidget* parent, int maxlength) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(name);
    if (maxlength > 0) t->setMaxLength(maxlength);
    Bindcontrol(sync_, model, t);
    sync_.live([&model] { return model.Caption; }, [t] { return t->text().toStdString(); },
               [t](const std::string& s) {
                   const QSignalBlocker quiet(t);
                   t->setText(Qs(s));
               });
    Bindfocus(sync_, model, t);
    // The game reads the text when a button is pressed; typing only keeps the model in step.
    connect(t, &QLineEdit::textEdited, this, [&model, t](const QString& text) {
        model.Caption = text.toStdString();
        model.Caret = t->cursorPosition();
    });
    return t;
}

QWidget* Mainwindow::buildnamepanel(QWidget* parent) {
    Fmmain& m = game_.Main;
    QGroupBox* panel = frame(m.Frgetname, "Frgetname", parent);
    auto* layout = new QVBoxLayout(panel);
    QLabel* ask = label(m.Lblgetname, "Lblgetname", panel);
    ask->setWordWrap(true);
    ask->setFont(Bolder(ask->font()));
    layout->addWidget(ask);
    QLabel* rule = label(m.Lblcharacter, "Lblcharacter", panel);
    rule->setWordWrap(true);
    layout->addWidget(rule);
    auto* row = new QHBoxLayout;
    QLineEdit* name = plaintext(m.Txtname, "Txtname", panel, 15);
    speakas(name, [&m] { return m.Lblgetname.Caption; });
    row->addWidget(name, 1);
    row->addWidget(button(m.Cmdokname, "Cmdokname", panel, Playerevent::Cmdokname));
    layout->addLayout(row);
    return panel;
}

QWidget* Mainwindow::buildwinners() {
    Fmmain& m = game_.Main;
    Picturewidget* panel = picture(m.Picwinners, "Picwinners", nullptr);
    // The list's right button offers the Game menu, as the board's does.
    panel->Setpress([this](int b, QPoint at) {
        if (b == 2) gamemenu_->popup(at);
    });
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(16, 8, 16, 10);
    layout->setSpacing(6);

    auto* heading = new QHBoxLayout;
    heading->addStretch();
    Picturewidget* cup = picture(m.Piccup, "Piccup", panel);
    cup->setFixedSize(44, 44);
    cup->Setempty(Paintcup);
    heading->addWidget(cup);
    QLabel* title = label(m.Lblwinners, "Lblwinners", panel);
    QFont big("Arial");
    big.setPointSize(20);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet("color: #1f4e8f;");
    heading->addWidget(title);
    heading->addStretch();
    layout->addLayout(heading);
    QLabel* head = label(m.Lblhead, "Lblhead", panel);
    head->setAlignment(Qt::AlignCenter);
    // The setting's line wraps rather than widen the list beyond the room beside the setting.
    head->setWordWrap(true);
    head->setMinimumHeight(3 * head->fontMetrics().lineSpacing());
    layout->addWidget(head);

    // The places above the statistics: narrow enough to stand beside the setting frame.
    auto* body = new QBoxLayout(QBoxLayout::TopToBottom);
    body->setSpacing(8);
    // The design mode's editor stands beside the places, where the list has the height for it.
    sync_.add([&m] { return m.Fredit.Visible; },
              [body](bool edit) {
                  body->setDirection(edit ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
                  body->setStretch(0, edit ? 3 : 1);
                  body->setStretch(1, edit ? 2 : 0);
              });
    QGroupBox* record = buildwinrecord(panel);
    body->addWidget(record, 3);

    auto* right = new QVBoxLayout;
    right->setSpacing(8);
    Picturewidget* stat = picture(m.Picstat, "Picstat", panel);
    auto* statlayout = new QVBoxLayout(stat);
    statlayout->setContentsMargins(10, 6, 10, 6);
    // Its texts arrive after the layout is made; the box must grow to hold them.
    statlayout->setSizeConstraint(QLayout::SetMinimumSize);
    QLabel* stattitle = label(m.Lblstat, "Lblstat", stat);
    stattitle->setFont(Bolder(stattitle->font()));
    statlayout->addWidget(stattitle);
    QLabel* data = label(m.Lbldata, "Lbldata", stat);
    data->setMinimumHeight(2 * data->fontMetrics().lineSpacing());
    statlayout->addWidget(data);
    right->addWidget(stat);

    right->addWidget(buildeditor(panel));
    right->addStretch();
    body->addLayout(right, 2);
    layout->addLayout(body, 1);
    return panel;
}

QGroupBox* Mainwindow::buildwinrecord(QWidget* panel) {
    Fmmain& m = game_.Main;
    QGroupBox* record = frame(m.Frwinrecord, "Frwinrecord", panel);
    auto* grid = new QGridLayout(record);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(4);
    const struct {
        Control* Caption;
        const char* Captionname;
        Control* Column;
        const char* Columnname;
    } columns[3] = {{&m.Lblplayer, "Lblplayer", &m.Lblname, "Lblname"},
                    {&m.Lbltimespent, "Lbltimespent", &m.Lbllisttime, "Lbllisttime"},
                    {&m.Lblnotrials, "Lblnotrials", &m.Lblattempt, "Lblattempt"}};
    QLabel* first = nullptr;
    for (int i = 0; i < 3; ++i) {
        QLabel* caption = label(*columns[i].Caption, columns[i].Captionname, record);
        caption->setFont(Bolder(caption->font()));
        QLabel* column = label(*columns[i].Column, columns[i].Columnname, record);
        if (!first) first = column;
        column->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Room for the five places, a line apart and a line after, before their texts arrive: it
        // takes the same room whether it shows or not.
        column->setMinimumHeight(11 * column->fontMetrics().lineSpacing());
        grid->addWidget(caption, 0, i);
        grid->addWidget(column, 1, i);
    }
    // The three columns read as one list of places, named with the heading: a screen reader
    // reads it as the keyboard arrives, before the first place.
    Readasrows(
        first, [&m] { return Qs(m.Lblwinners.Caption + ". " + m.Lblhead.Caption).simplified(); },
        [&m] { return Winnerrows(m); });
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(1, 1);
    grid->addWidget(button(m.Cmdcontinue, "Cmdcontinue", record, Playerevent::Cmdcontinue), 2, 2,
                    Qt::AlignRight);
    return record;
}

QGroupBox* Mainwindow::buildeditor(QWidget* panel) {
    Fmmain& m = game_.Main;
    // The editor, in design mode: one place's entry and the setting's statistics.
    QGroupBox* edit = frame(m.Fredit, "Fredit", panel);
    auto* form = new QGridLayout(edit);
    form->setHorizontalSpacing(6);
    form->setVerticalSpacing(4);
    auto caption = [edit](const char* text) {
        auto* l = new QLabel(text, edit);
        l->setTextFormat(Qt::PlainText);
        return l;
    };
    QComboBox* place = combo(m.Cbedit, "Cbedit", edit, [this](int index) {
        game_.Main.Cbedit.Listindex = index;
        game_.Controls.Send(Playerevent::Cbedit);
    });
    // One pair to a line, so the list beside it keeps its room on a small screen.
    form->addWidget(caption("Place"), 0, 0);
    form->addWidget(place, 0, 1);
    form->addWidget(caption("Name"), 1, 0);
    form->addWidget(plaintext(m.Txtplayer, "Txtplayer", edit, 15), 1, 1);
    form->addWidget(caption("Seconds"), 2, 0);
    form->addWidget(plaintext(m.Txtduration, "Txtduration", edit), 2, 1);
    form->addWidget(caption("Attempts"), 3, 0);
    form->addWidget(plaintext(m.Txtattempt, "Txtattempt", edit), 3, 1);
    form->addWidget(caption("Population"), 4, 0);
    form->addWidget(plaintext(m.Txtpopulation, "Txtpopulation", edit), 4, 1);
    form->addWidget(caption("Average"), 5, 0);
    form->addWidget(plaintext(m.Txtaverage, "Txtaverage", edit), 5, 1);
    form->addWidget(button(m.Cmdgo, "Cmdgo", edit,
                           [this] {
                               // A box the game refused keeps its old value; say so.
                               if (!game_.Controls.Go()) QApplication::beep();
                           }),
                    6, 1, Qt::AlignRight);
    return edit;
}

} // namespace tc::ui
