#include "ui/inputs.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace tc::ui {

namespace {

constexpr const char* Dragformat = "application/x-tintcipher-drag";

} // namespace

QByteArray Dragdata(Dragsource source) {
    QByteArray data(source.What == Dragsource::Kind::Colour ? "C" : "B");
    data += QByteArray::number(source.Index);
    return data;
}

bool Readdrag(const QByteArray& data, Dragsource& source) {
    if (data.size() < 2 || (data[0] != 'C' && data[0] != 'B')) return false;
    bool ok = false;
    const int index = data.mid(1).toInt(&ok);
    if (!ok) return false;
    source.What = data[0] == 'C' ? Dragsource::Kind::Colour : Dragsource::Kind::Box;
    source.Index = index;
    return true;
}

Celllabel::Celllabel(Dragsource source, std::function<void()> doubleclicked,
                     std::function<void(Dragsource)> dropped, std::function<bool()> draggable,
                     QWidget* parent)
    : QLabel(parent), source_(source), doubleclicked_(std::move(doubleclicked)),
      dropped_(std::move(dropped)), draggable_(std::move(draggable)) {
    setAcceptDrops(true);
    setAlignment(Qt::AlignCenter);
}

void Celllabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = event->position().toPoint();
    QLabel::mousePressEvent(event);
}

void Celllabel::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - pressed_).manhattanLength() <
            QApplication::startDragDistance() ||
        (draggable_ && !draggable_()))
        return QLabel::mouseMoveEvent(event);
    auto* mime = new QMimeData;
    mime->setData(Dragformat, Dragdata(source_));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    // The box under the label is what the player sees being carried.
    QWidget* box = parentWidget() ? parentWidget() : this;
    drag->setPixmap(box->grab());
    drag->setHotSpot(pressed_);
    drag->exec(Qt::MoveAction);
}

void Celllabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && doubleclicked_) doubleclicked_();
}

void Celllabel::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(Dragformat)) event->acceptProposedAction();
}

void Celllabel::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(Dragformat)) event->acceptProposedAction();
}

void Celllabel::dropEvent(QDropEvent* event) {
    Dragsource source;
    if (!Readdrag(event->mimeData()->data(Dragformat), source)) return;
    event->acceptProposedAction();
    if (dropped_) dropped_(source);
}

Keytextbox::Keytextbox(Textbox& model, std::function<bool(char)> key, QWidget* parent)
    : QLineEdit(parent), model_(model), key_(std::move(key)) {
    // Only typed keys change the text; pasting and dropping would bypass the game's checks.
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    connect(this, &QLineEdit::cursorPositionChanged, this,
            [this](int, int now) { model_.Caret = now; });
}

void Keytextbox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (event->modifiers() & ~Qt::KeypadModifier) break;
        return QLineEdit::keyPressEvent(event);
    case Qt::Key_Backspace:
        if (!key_('\b')) QApplication::beep();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
        event->ignore();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (text.size() == 1 && text[0].unicode() >= 0x20 && text[0].unicode() < 0x7F) {
        if (!key_(static_cast<char>(text[0].unicode()))) QApplication::beep();
        return;
    }
    event->accept();
}

} // namespace tc::ui
