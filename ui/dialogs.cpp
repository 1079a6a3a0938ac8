#include "ui/dialogs.h"

#include "ui/bind.h"
#include "ui/icons.h"
#include "ui/keys.h"
#include "ui/picturewidget.h"
#include "ui/scenery.h"
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace tc::ui {

namespace {

// The room the texts of `picture` take at the design's size, with `margin` pixels to spare right
// and below: no line, bold or not, reaches the picture's edge.
constexpr int Inset = 6;

QSize Textroom(const Picture& picture, const QFont& base, int margin) {
    QSize room;
    for (const Drawop& op : picture.Ops) {
        if (op.What != Drawop::Kind::Text) continue;
        QFont f = base;
        f.setPointSizeF(op.Text.Size);
        f.setBold(op.Text.Bold);
        f.setItalic(op.Text.Italic);
        const QFontMetrics metrics(f);
        const QString text = QString::fromStdString(op.Text.Text);
        room = room.expandedTo(
            QSize(int(op.Text.X / Twipsperpixel) + metrics.horizontalAdvance(text) + margin,
                  int(op.Text.Y / Twipsperpixel) + metrics.height() + margin));
    }
    return room;
}

constexpr Boxbutton Buttonorder[5] = {Boxbutton::Cmdl3, Boxbutton::Cmdl2, Boxbutton::Cmdmid,
                                      Boxbutton::Cmdr2, Boxbutton::Cmdr3};
constexpr int Messagewidth = 320; // the narrowest a message's text is set

// A dialog with a title bar and no close box where the design gives none.
constexpr Qt::WindowFlags Dialogflags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Long unbroken words (file paths) get places to break, so a wrapped text fits its width.
QString Breakable(const QString& text) {
    constexpr int Longword = 30, Stretch = 24;
    const QChar Breakhere(0x200B); // zero width space
    QString out;
    int run = 0, sincebreak = 0;
    for (QChar c : text) {
        out += c;
        if (c.isSpace()) {
            run = sincebreak = 0;
            continue;
        }
        ++run;
        ++sincebreak;
        if (run < Longword) continue;
        // Within a long word: after a separator, else every so many characters.
        if (c == '/' || c == '\\' || c == '.' || c == '-' || c == '_' || sincebreak >= Stretch) {
            out += Breakhere;
            sincebreak = 0;
        }
    }
    return out;
}

} // namespace

void Placeonscreen(QWidget* window, double fromleft, double fromtop) {
    const QScreen* screen =
        window->parentWidget() ? window->parentWidget()->screen() : window->screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window->adjustSize();
    QPoint at(area.left() + static_cast<int>(area.width() * fromleft),
              area.top() + static_cast<int>(area.height() * fromtop));
    // Keep the whole window on the screen, however long its text.
    at.setX(std::min(at.x(), area.right() - window->width()));
    at.setY(std::min(at.y(), area.bottom() - window->height()));
    window->move(at);
}

Messagedialog::Messagedialog(const Fmmessage& model, const QString& folder,
                             std::function<void(Boxbutton)> press, std::function<QWidget*()> owner,
                             QWidget* parent)
    : QDialog(parent, Dialogflags), model_(model), folder_(folder), owner_(std::move(owner)) {
    setObjectName("Fmmessage");
    setWindowModality(Qt::WindowModal);
    icon_ = new QLabel(this);
    icon_->setObjectName("Piclogo");
    icon_->setFixedSize(48, 48);
    icon_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    text_ = new QLabel(this);
    text_->setObjectName("Lblmessage");
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(icon_, 0, Qt::AlignTop);
    top->addWidget(text_, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(Buttonname(Buttonorder[i]));
        b->setMinimumWidth(96);
        const Boxbutton which = Buttonorder[i];
        connect(b, &QPushButton::clicked, this, [press, which] { press(which); });
        buttons_[i] = b;
        row->addWidget(b);
    }
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(18);
    layout->addLayout(top);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* Messagedialog::button(const std::string& name) const {
    for (int i = 0; i < 5; ++i)
        if (name == Buttonname(Buttonorder[i])) return buttons_[i];
    return nullptr;
}

void Messagedialog::reject() {
    QPushButton* b = nullptr;
    for (int i = 0; i < 5; ++i)
        if (Buttonorder[i] == Escapebutton(model_)) b = buttons_[i];
    if (b && b->isVisible() && b->isEnabled()) b->click();
}

void Messagedialog::seticon(const std::string& file) {
    const QString path = QDir(folder_).filePath(Qs(file));
    QIcon icon;
    if (!file.empty() && QFileInfo::exists(path)) icon = QIcon(path);
    if (icon.isNull()) icon = Messageicon(file);
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this);
    icon_->setPixmap(icon.pixmap(QSize(40, 40), devicePixelRatioF()));
}

void Messagedialog::bind(Syncset& sync) {
    sync.add([this] { return model_.Caption; },
             [this](const std::string& c) { setWindowTitle(Qs(c)); });
    sync.add([this] { return model_.Icon; }, [this](const std::string& f) { seticon(f); });
    text_->setTextFormat(Qt::PlainText);
    sync.add([this] { return model_.Lblmessage.Caption; },
             [this](const std::string& t) { settext(t); });
    Bindcontrol(sync, model_.Lblmessage, text_);
    const Control* models[5] = {&model_.Cmdl3, &model_.Cmdl2, &model_.Cmdmid, &model_.Cmdr2,
                                &model_.Cmdr3};
    for (int i = 0; i < 5; ++i) Bindbutton(sync, *models[i], buttons_[i]);
    sync.add([this] { return model_.Visible; },
             [this](bool v) {
                 if (v)
                     showover();
                 else
                     hide();
             });
}

void Messagedialog::settext(const std::string& text) {
    text_->setText(Breakable(Qs(text)));
    // The text as wide as its longest line, up to some eighty letters and never beyond the
    // screen; longer lines wrap, and the text is as high as its wrapped lines.
    const QFontMetrics fm(text_->font());
    int widest = fm.averageCharWidth() * 80;
    if (const QScreen* screen = this->screen()) {
        const QMargins m = layout()->contentsMargins();
        widest = std::min(widest, screen->availableGeometry().width() * 9 / 10 - m.left() -
                                      m.right() - icon_->width() - 16);
    }
    int natural = 0;
    for (const QString& line : text_->text().split('\n'))
        natural = std::max(natural, fm.horizontalAdvance(line) + 2);
    const int width = std::clamp(natural, std::min(Messagewidth, widest), widest);
    text_->setFixedSize(width, text_->heightForWidth(width));
}

void Messagedialog::showover() {
    // Over the window the player sees, so that no dialog it blocks can cover it.
    QWidget* over = owner_ ? owner_() : nullptr;
    if (over && over != parentWidget()) setParent(over, windowFlags());
    Placeonscreen(this, 1.0 / 3, 1.0 / 3);
    open();
    for (QPushButton* b : buttons_)
        if (b->isDefault()) b->setFocus();
}

Helpdialog::Helpdialog(const char* name, double fromleft, double fromtop, std::function<void()> ok,
                       QWidget* parent)
    : QDialog(parent, Dialogflags | Qt::WindowCloseButtonHint), ok_(std::move(ok)), left_(fromleft),
      top_(fromtop) {
    setObjectName(name);
    setWindowModality(Qt::WindowModal);
}

void Helpdialog::bindwindow(Syncset& sync, const bool& visible, const std::string& caption) {
    sync.add([&caption] { return caption; },
             [this](const std::string& c) { setWindowTitle(Qs(c)); });
    sync.add([&visible] { return visible; },
             [this](bool v) {
                 if (!v) {
                     hide();
                     return;
                 }
                 Placeonscreen(this, left_, top_);
                 open();
             });
}

Aboutdialog::Aboutdialog(const Fmabout& model, const QString& folder, std::function<void()> ok,
                         QWidget* parent)
    : Helpdialog("Fmabout", 0.25, 0.25, ok, parent), model_(model) {
    logo_ = new Picturewidget(model.Piclogo, folder, this);
    logo_->setObjectName("Piclogo");
    logo_->setFixedSize(72, 72);
    logo_->Setempty(Paintlogo);
    text_ = new QLabel(this);
    text_->setObjectName("Lblabout");
    text_->setWordWrap(true);
    text_->setMinimumWidth(300);
    ok_ = new QPushButton(this);
    ok_->setObjectName("Cmdokabout");
    ok_->setMinimumWidth(96);
    connect(ok_, &QPushButton::clicked, this, [ok] { ok(); });

    auto* top = new QHBoxLayout;
    top->setSpacing(18);
    top->addWidget(logo_, 0, Qt::AlignTop);
    top->addWidget(text_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setSpacing(16);
    layout->addLayout(top);
    layout->addWidget(ok_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Aboutdialog::bind(Syncset& sync) {
    sync.custom([this] { return logo_->refresh(); });
    Bindlabel(sync, model_.Lblabout, text_);
    // Each line of the notice whole on one line where the screen allows: no word left alone.
    sync.add([this] { return model_.Lblabout.Caption; },
             [this](const std::string& caption) {
                 int widest = 300;
                 for (const QString& line : QString::fromStdString(caption).split('\n'))
                     widest = std::max(widest, text_->fontMetrics().horizontalAdvance(line) + 4);
                 text_->setMinimumWidth(std::min(widest, screen()->availableSize().width() / 2));
             });
    Bindbutton(sync, model_.Cmdokabout, ok_);
    bindwindow(sync, model_.Visible, model_.Caption);
}

Instrdialog::Instrdialog(const Fminstr& model, const QString& folder, std::function<void()> ok,
                         QWidget* parent)
    : Helpdialog("Fminstr", 0.2, 1.0 / 9, ok, parent), model_(model) {
    logo_ = new Picturewidget(model.Piclogo, folder, this);
    logo_->setObjectName("Piclogo");
    logo_->setFixedSize(56, 56);
    logo_->Setempty(Paintlogo);
    title_ = new QLabel(this);
    title_->setObjectName("Lbltitle");
    QFont big = title_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title_->setFont(big);
    text_ = new Picturewidget(model.Picinstr, folder, this);
    text_->setObjectName("Picinstr");
    text_->Setinset(Inset);
    // Room for the longest line and all the lines of the text at 10 points.
    text_->setFixedSize(560, 26 * 16 + 12);
    ok_ = new QPushButton(this);
    ok_->setObjectName("Cmdokinstr");
    ok_->setMinimumWidth(96);
    connect(ok_, &QPushButton::clicked, this, [ok] { ok(); });

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(logo_);
    top->addWidget(title_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addWidget(text_);
    layout->addWidget(ok_, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Instrdialog::bind(Syncset& sync) {
    sync.custom([this] { return logo_->refresh(); });
    sync.custom([this] {
        if (!text_->refresh()) return false;
        // Lines that start without a blank (the bold "N.B." lines) stand clear of the frame.
        text_->setFixedSize(
            Textroom(model_.Picinstr, text_->font(), 2 * Inset).expandedTo({560, 428}));
        return true;
    });
    Bindlabel(sync, model_.Lbltitle, title_);
    Bindbutton(sync, model_.Cmdokinstr, ok_);
    bindwindow(sync, model_.Visible, model_.Caption);
}

} // namespace tc::ui
