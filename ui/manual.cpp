#include "ui/manual.h"

#include "ui/picturewidget.h"
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStyleOptionFocusRect>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace tc::ui {

namespace {

const QString Manualname = "Vbintro.html";

// Pictures made for screens of twice the density, named "...@2x.png", are shown at the page's
// size smoothly, rather than thinned out pixel by pixel.
class Manualview : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        const QVariant data = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::ImageResource || !name.path().endsWith("@2x.png")) return data;
        QImage image = data.value<QImage>();
        if (image.isNull()) image.loadFromData(data.toByteArray());
        if (image.isNull()) return data;
        const qreal ratio = devicePixelRatioF();
        image =
            image.scaled(image.size() * ratio / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image.setDevicePixelRatio(ratio);
        return image;
    }
};

} // namespace

Manualopener::Manualopener(const QString& programfolder)
    : Folders{QCoreApplication::applicationDirPath(), programfolder},
      Browser([this](const QUrl& url) { return Desktopopen(url); }) {}

// Where the desktop is reached through xdg-open, its answer is awaited: it only says whether a
// browser could show the page after it tried, and the desktop services take a started helper
// for success.
bool Manualopener::Desktopopen(const QUrl& url) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString helper = QStandardPaths::findExecutable("xdg-open");
    if (!helper.isEmpty()) {
        auto* run = new QProcess;
        QObject::connect(run, &QProcess::finished, reports_.get(),
                         [this, run](int code, QProcess::ExitStatus status) {
                             run->deleteLater();
                             if (status != QProcess::NormalExit || code != 0) Showwindow();
                         });
        QObject::connect(run, &QProcess::errorOccurred, reports_.get(),
                         [this, run](QProcess::ProcessError error) {
                             if (error != QProcess::FailedToStart) return;
                             run->deleteLater();
                             Showwindow();
                         });
        run->start(helper, {url.toString()});
        return true;
    }
#endif
    return QDesktopServices::openUrl(url);
}

Manualopener::~Manualopener() = default;

QString Manualopener::Path() const {
    for (const QString& folder : Folders) {
        const QString path = QDir(folder).absoluteFilePath(Manualname);
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

void Manualopener::Open() {
    const QString path = Path();
    if (!path.isEmpty() && Browser(QUrl::fromLocalFile(path))) return;
    Showwindow();
}

void Manualopener::Showwindow() {
    const QString path = Path();
    if (!window_) {
        window_ = std::make_unique<QDialog>();
        window_->setObjectName("Manual");
        // Its Close button stays on a small screen.
        const QSize room =
            QGuiApplication::primaryScreen()->availableGeometry().size() - QSize(24, 72);
        window_->resize(QSize(780, 640).boundedTo(room));
        text_ = new Manualview(window_.get());
        text_->setObjectName("Manualtext");
        text_->setOpenExternalLinks(true);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window_.get());
        QObject::connect(buttons, &QDialogButtonBox::rejected, window_.get(), &QDialog::reject);
        auto* layout = new QVBoxLayout(window_.get());
        layout->addWidget(text_);
        layout->addWidget(buttons);
    }
    if (path.isEmpty()) {
        text_->setPlainText(Manualname + " is not in the programme's folder.");
        window_->setWindowTitle(Manualname);
    } else {
        text_->setSource(QUrl::fromLocalFile(path));
        window_->setWindowTitle(text_->documentTitle());
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

Manuallink::Manuallink(const Picture& picture, std::function<void()> open, QWidget* picturewidget)
    : QAbstractButton(picturewidget), picture_(picture) {
    setObjectName(Manualname);
    setText(Manualname);
    setAccessibleName(Manualname);
    setAccessibleDescription("Opens the player's manual");
    setToolTip("Open the player's manual");
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover); // the underline changes colour under the mouse
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this, [open] { open(); });
    Place();
}

// Over the words as the picture paints them: its text at its place, in the widget's font with
// the text's size and weight.
void Manuallink::Place() {
    for (const Drawop& op : picture_.Ops) {
        const std::string& line = op.Text.Text;
        const size_t at = line.find(Manualname.toStdString());
        if (op.What != Drawop::Kind::Text || at == std::string::npos) continue;
        QFont font = parentWidget()->font();
        font.setPointSizeF(op.Text.Size);
        font.setBold(op.Text.Bold);
        font.setItalic(op.Text.Italic);
        setFont(font);
        const QFontMetricsF metrics(font, parentWidget());
        // Where the picture puts its text, inset from its edge or not.
        const auto* picture = dynamic_cast<const Picturewidget*>(parentWidget());
        const QPointF origin = picture ? picture->view().Origin : QPointF();
        const double left = origin.x() + op.Text.X / Twipsperpixel +
                            metrics.horizontalAdvance(QString::fromStdString(line.substr(0, at)));
        setGeometry(QRectF(left, origin.y() + op.Text.Y / Twipsperpixel,
                           metrics.horizontalAdvance(Manualname), metrics.height() + 2)
                        .toAlignedRect());
        return;
    }
    hide();
}

void Manuallink::showEvent(QShowEvent* event) {
    Place();
    QAbstractButton::showEvent(event);
}

// The words are the picture's; the link adds the underline, and the focus frame when it has
// the keyboard.
void Manuallink::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const double baseline = QFontMetricsF(font(), this).ascent() + 1.5;
    painter.setPen(QPen(underMouse() ? QColor(0x00, 0x00, 0xC0) : QColor(Qt::black), 1));
    painter.drawLine(QPointF(0, baseline), QPointF(width(), baseline));
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

} // namespace tc::ui
