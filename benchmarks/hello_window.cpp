// The floor for start-up time and memory: the toolkit's "hello, world", a
// bare Qt Widgets window of the calculator's size showing one line of text,
// built the same way as the calculator.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Hello, world"));
    window.setWindowTitle(QStringLiteral("Hello"));
    window.setFixedSize(536, 301);
    window.show();
    return QApplication::exec();
}
