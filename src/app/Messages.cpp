#include "Messages.h"

#include <QApplication>
#include <QMessageBox>

using namespace Qt::StringLiterals;

namespace {

Messages::Handler &handler()
{
    static Messages::Handler current;
    return current;
}

QString title()
{
    return u"Numerillo"_s;
}

} // namespace

namespace Messages {

void show(const QString &text)
{
    if (handler()) {
        handler()(Kind::Information, text);
        return;
    }
    QMessageBox::information(QApplication::activeWindow(), title(), text);
}

bool ask(const QString &text)
{
    if (handler())
        return handler()(Kind::Question, text);
    return QMessageBox::question(QApplication::activeWindow(), title(), text,
                                 QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void showFailure(SafeFile::Result result, const QString &path)
{
    if (result != SafeFile::Result::Written)
        show(SafeFile::failureText(result, path));
}

void beep()
{
    if (handler()) {
        handler()(Kind::Beep, QString());
        return;
    }
    QApplication::beep();
}

void setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace Messages
