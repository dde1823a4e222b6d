#include <QApplication>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(u"Bare"_s);
    window.resize(748, 533);
    window.show();
    return application.exec();
}
