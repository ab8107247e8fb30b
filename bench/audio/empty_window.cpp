// The reference for start-up figures: an empty Qt window of the game's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("empty reference window"));
    w.setFixedSize(521, 351);
    w.show();
    return QApplication::exec();
}
