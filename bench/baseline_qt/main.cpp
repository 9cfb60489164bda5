// The floor for Tallowin's start-up on Qt: the least a Qt 6 Widgets program
// can do to show a dialog of the main window's size (241 × 157) with one
// multi-line text box and three push buttons. It asks nothing of the machine
// and sets nothing beyond the geometry and the texts. Built only to be
// measured beside the program.
#include <QApplication>
#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Tallowin baseline"));
    dialog.setFixedSize(241, 157);

    QPlainTextEdit text(&dialog);
    text.setGeometry(8, 32, 225, 61);
    text.setPlainText(QStringLiteral("192.0.2.1    baseline"));

    QPushButton first(QStringLiteral("First"), &dialog);
    first.setGeometry(8, 104, 73, 33);
    QPushButton second(QStringLiteral("Second"), &dialog);
    second.setGeometry(80, 104, 73, 33);
    QPushButton third(QStringLiteral("Third"), &dialog);
    third.setGeometry(152, 104, 73, 33);

    dialog.show();
    return QApplication::exec();
}
