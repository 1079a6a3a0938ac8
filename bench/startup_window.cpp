// The start-up benchmark's yardstick: the least a Qt Widgets program does before its first window
// shows, at the title window's size.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window("Yardstick");
    window.setWindowTitle("Yardstick");
    window.resize(560, 460);
    window.show();
    return app.exec();
}
