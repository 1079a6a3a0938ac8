// tintcipher-manual: writes the player's manual Vbintro.html into a program folder, with its
// example pictures drawn by the game's own board procedures and painted by the window's own
// painter, or checks a manual written before.
//
// The source names each picture with a line "<!-- picture NAME colour|number: CAPTION -->"; the
// example NAME is played (examples.cpp) and the line becomes a figure with the code, the rows and
// their descriptions in words.
#include "examples.h"
#include "ui/picturewidget.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>
#include <vector>

namespace {

using tc::Picture;

// Pixels of the picture files per pixel of the page; their names end in "@2x" to say so.
constexpr int Scale = 2;
constexpr double Zoom = 1.5;  // the board's rows a little larger on the page than in the game
constexpr int Margin = 6;     // page pixels of background around a picture
constexpr int Columngap = 28; // page pixels left of a wider empty stretch between trials

QColor Colour(tc::Rgb rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// Paints the display list as the window does, cut to what it draws with a margin around. The
// board keeps a wide column for each trial; the empty stretches between them are narrowed, so
// the rows stay side by side without the page's room going to background.
QImage Render(const Picture& picture) {
    // Room for the whole board, 27 trials: three trials of 3900 twips a line, nine lines.
    QImage full(QSize(800, 320) * Zoom * Scale, QImage::Format_RGB32);
    full.setDevicePixelRatio(Zoom * Scale);
    full.fill(Colour(picture.Background));
    {
        QPainter painter(&full);
        tc::ui::Paintpicture(painter, picture, QString());
    }
    full.setDevicePixelRatio(1); // from here on in the file's pixels
    const QRgb background = full.pixel(0, 0);
    std::vector<bool> inked(static_cast<size_t>(full.width()), false);
    int top = full.height(), bottom = -1;
    for (int y = 0; y < full.height(); ++y)
        for (int x = 0; x < full.width(); ++x)
            if (full.pixel(x, y) != background) {
                inked[static_cast<size_t>(x)] = true;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (bottom < 0) throw std::runtime_error("an example picture is empty");
    // The columns kept, as runs [from, to).
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < full.width(); ++x) {
        if (!inked[static_cast<size_t>(x)]) continue;
        const bool near = !runs.empty() && x - runs.back().second <= Columngap * Scale;
        if (near)
            runs.back().second = x + 1;
        else
            runs.push_back({x, x + 1});
    }
    int width = 0;
    for (const auto& [from, to] : runs) width += to - from;
    width += static_cast<int>(runs.size() - 1) * Columngap * Scale + 2 * Margin * Scale;
    int height = bottom - top + 1 + 2 * Margin * Scale;
    // Whole page pixels, so the page can give the picture its size exactly.
    QImage cut((width + Scale - 1) / Scale * Scale, (height + Scale - 1) / Scale * Scale,
               QImage::Format_RGB32);
    cut.fill(background);
    {
        QPainter painter(&cut);
        int x = Margin * Scale;
        for (const auto& [from, to] : runs) {
            painter.drawImage(QPoint(x, Margin * Scale), full,
                              QRect(from, top, to - from, bottom - top + 1));
            x += to - from + Columngap * Scale;
        }
    }
    cut.setDevicePixelRatio(Scale);
    return cut;
}

// The board without its heading: the examples show rows only.
Picture Rowsonly(Picture board) {
    std::erase_if(board.Ops, [](const tc::Drawop& op) {
        return op.What == tc::Drawop::Kind::Text &&
               (op.Text.Text == "RECORD" || op.Text.Text == "DEMO");
    });
    return board;
}

// Where each trial stands in a board picture, since the board draws no trial numbers: three to
// a line, read from left to right.
QString Trialplaces(int trials) {
    static const char* const ordinal[] = {"first", "second",  "third",  "fourth", "fifth",
                                          "sixth", "seventh", "eighth", "ninth"};
    QStringList lines;
    for (int line = 0; line * 3 < trials && line < 9; ++line) {
        const int from = line * 3 + 1, to = std::min(trials, from + 2);
        const QString which = from == to       ? QString("trial %1").arg(from)
                              : to == from + 1 ? QString("trials %1 and %2").arg(from).arg(to)
                                               : QString("trials %1 to %2").arg(from).arg(to);
        lines << which + " in the " + ordinal[line] + " line";
    }
    return "On the board, from left to right: " + lines.join("; ") + ".";
}

QString Imgtag(const QString& folder, const QString& file, const QImage& image,
               const std::string& alt) {
    QDir().mkpath(QFileInfo(folder + "/" + file).absolutePath());
    QSaveFile out(folder + "/" + file);
    if (!out.open(QIODevice::WriteOnly) || !image.save(&out, "PNG") || !out.commit())
        throw std::runtime_error("cannot write " + (folder + "/" + file).toStdString());
    return QString("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\">")
        .arg(file)
        .arg(image.width() / Scale)
        .arg(image.height() / Scale)
        .arg(QString::fromStdString(alt).toHtmlEscaped());
}

const QRegularExpression Marker(R"(^(\s*)<!-- picture (\w+) (colour|number): (.*?) -->\s*$)");

void Generate(const QString& source, const QString& folder) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("cannot read " + source.toStdString());
    QStringList out;
    for (const QString& line : QString::fromUtf8(in.readAll()).split('\n')) {
        const QRegularExpressionMatch m = Marker.match(line);
        if (!m.hasMatch()) {
            if (line.contains("<!-- picture"))
                throw std::runtime_error("malformed picture line: " + line.toStdString());
            out << line;
            continue;
        }
        const QString name = m.captured(2), display = m.captured(3), indent = m.captured(1);
        const tc::manual::Example e =
            tc::manual::Playexample(name.toStdString(), display == "colour" ? "Colour" : "Number");
        const QString stem = "Manual/" + name + "-" + display;
        // Each picture in a block of its own, also for viewers that know no figure.
        out << indent + "<figure>";
        if (!e.Code.Ops.empty())
            out << indent + "  <div>" +
                       Imgtag(folder, stem + "-code@2x.png", Render(e.Code), e.Codetext) + "</div>";
        out << indent + "  <div>" +
                   Imgtag(folder, stem + "@2x.png", Render(Rowsonly(e.Board)), e.Boardtext) +
                   "</div>";
        out << indent + "  <figcaption><p>" + m.captured(4) + " " + Trialplaces(e.Trials) +
                   "</p></figcaption>";
        out << indent + "</figure>";
    }
    QSaveFile manual(folder + "/Vbintro.html");
    if (!manual.open(QIODevice::WriteOnly | QIODevice::Text) ||
        manual.write(out.join('\n').toUtf8()) < 0 || !manual.commit())
        throw std::runtime_error("cannot write " + (folder + "/Vbintro.html").toStdString());
}

// What a reader without a network, a script engine or sight needs: every picture there, decoded,
// of the size the page gives it and described in words; no script; nothing fetched from afar;
// every link inside the page leading somewhere.
bool Check(const QString& folder) {
    QFile in(folder + "/Vbintro.html");
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "no manual Vbintro.html in %s\n", qPrintable(folder));
        return false;
    }
    const QString html = QString::fromUtf8(in.readAll());
    bool ok = true;
    const auto fail = [&ok](const QString& what) {
        std::fprintf(stderr, "Vbintro.html: %s\n", qPrintable(what));
        ok = false;
    };
    if (html.contains("<script", Qt::CaseInsensitive)) fail("holds a script");
    if (html.contains("<!-- picture")) fail("holds a picture line that was not drawn");
    static const QRegularExpression remote(R"((src|href)\s*=\s*"[a-z]+:)");
    if (html.contains(remote)) fail("refers to something outside the program folder");

    static const QRegularExpression img(R"(<img\b[^>]*>)");
    static const QRegularExpression attr(R"re((\w+)\s*=\s*"([^"]*)")re");
    int pictures = 0;
    for (const QRegularExpressionMatch& tag : img.globalMatch(html)) {
        QHash<QString, QString> a;
        for (const QRegularExpressionMatch& m : attr.globalMatch(tag.captured(0)))
            a[m.captured(1)] = m.captured(2);
        const QImage image(folder + "/" + a["src"]);
        if (image.isNull())
            fail("picture " + a["src"] + " is missing or unreadable");
        else if (a["width"].toInt() * Scale != image.width() ||
                 a["height"].toInt() * Scale != image.height())
            fail("picture " + a["src"] + " is not of the size the page gives it");
        if (a["alt"].trimmed().isEmpty()) fail("picture " + a["src"] + " has no text in words");
        ++pictures;
    }
    if (pictures == 0) fail("has no pictures");

    static const QRegularExpression id(R"re(\bid="([^"]+)")re");
    static const QRegularExpression anchor(R"re(href="#([^"]+)")re");
    QSet<QString> ids;
    for (const QRegularExpressionMatch& m : id.globalMatch(html)) ids << m.captured(1);
    for (const QRegularExpressionMatch& m : anchor.globalMatch(html))
        if (!ids.contains(m.captured(1))) fail("links to a missing place #" + m.captured(1));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    // Nothing is shown: the offscreen platform gives fonts and painting without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "Usage: tintcipher-manual SOURCE.html PROGRAM-FOLDER\n"
                             "       tintcipher-manual --check PROGRAM-FOLDER\n"
                             "Writes (or checks) the player's manual Vbintro.html and its\n"
                             "pictures in the program folder.\n");
        return 2;
    }
    if (args[1] == "--check") return Check(args[2]) ? 0 : 1;
    try {
        Generate(args[1], args[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tintcipher-manual: %s\n", e.what());
        return 1;
    }
    return 0;
}
