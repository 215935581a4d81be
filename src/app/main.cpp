#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Namewrightv3.0"));
    window.setFixedSize(686, 508);
    window.show();
    return QApplication::exec();
}
