// The smallest window with text: a menu bar and one line, set in the
// program's face. It shows what text alone costs next to the bare window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication application(argc, argv);
    application.setFont(QFont(u"Arial"_s, 9));
    QMainWindow window;
    window.setWindowTitle(u"Menu"_s);
    for (const char *title : {"&File", "&Language", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title));
    window.setCentralWidget(new QLabel(u"Tick the tables you want to practise."_s));
    window.resize(748, 555);
    window.show();
    return application.exec();
}
