#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Minimal Qt"));
    label.setWindowTitle(QStringLiteral("Minimal Qt"));
    label.show();
    return QApplication::exec();
}
