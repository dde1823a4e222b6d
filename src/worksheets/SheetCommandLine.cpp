#include "SheetCommandLine.h"

#include <QCommandLineParser>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QStringList &optionNames()
{
    static const QStringList names = {u"pdf"_s,  u"sheet"_s,    u"tables"_s, u"operator"_s, u"crossed"_s,
                                      u"from"_s, u"language"_s, u"copies"_s, u"help"_s};
    return names;
}

const QStringList Sheets = {u"random"_s, u"without"_s, u"with"_s, u"grid"_s, u"weak"_s};
const QStringList Operators = {u"multiply"_s, u"divide"_s, u"alternate"_s, u"random"_s};
const QStringList Languages = {u"en"_s, u"fr"_s, u"nl"_s, u"de"_s, u"it"_s, u"es"_s, u"New"_s};

std::optional<int> wholeNumber(const QString &text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<QList<int>> tableList(const QString &text)
{
    QList<int> tables;
    for (const QString &part : text.split(u',')) {
        const std::optional<int> table = wholeNumber(part, 1, 12);
        if (!table)
            return std::nullopt;
        if (!tables.contains(*table))
            tables << *table;
    }
    std::sort(tables.begin(), tables.end());
    return tables;
}

} // namespace

namespace SheetCommandLine {

bool isRequested(const QStringList &arguments)
{
    return std::any_of(arguments.begin(), arguments.end(), [](const QString &argument) {
        return argument.startsWith(u"--"_s)
               && optionNames().contains(argument.mid(2).section(u'=', 0, 0));
    });
}

QString usage()
{
    return u"usage: numerillo --pdf FILE --sheet random|without|with|grid|weak [--tables 2,5,7]\n"
           "                 [--operator multiply|divide|alternate|random] [--crossed] [--from N]\n"
           "                 [--language en|fr|nl|de|it|es|New] [--copies N]\n"
           "Writes worksheets to the PDF file FILE, one per page, and opens no window.\n"
           "  --sheet     weak is a random sheet of the weak facts of sys/history.txt\n"
           "  --tables    the tables of the random sheet, 1 to 12 (default: the saved choice)\n"
           "  --operator  the operations of the random sheet (default: the saved operator)\n"
           "  --crossed   now and then writes the table first in a multiplication\n"
           "  --from      the smallest multiplicator, 1 to 12 (default: the saved one)\n"
           "  --language  the language of the texts (default: the saved language)\n"
           "  --copies    the number of pages, each random sheet freshly drawn (default: 1)\n"_s;
}

Parsed parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString &name : optionNames()) {
        const bool flag = name == u"crossed" || name == u"help";
        parser.addOption(flag ? QCommandLineOption(name) : QCommandLineOption(name, QString(), u"value"_s));
    }
    if (!parser.parse(QStringList{u"numerillo"_s} + arguments))
        return {std::nullopt, parser.errorText()};
    if (parser.isSet(u"help"_s))
        return {};
    if (!parser.positionalArguments().isEmpty())
        return {std::nullopt, u"unexpected argument '%1'"_s.arg(parser.positionalArguments().first())};

    SheetRequest command;
    command.pdfPath = parser.value(u"pdf"_s);
    if (command.pdfPath.isEmpty())
        return {std::nullopt, u"--pdf FILE is required"_s};
    const qsizetype sheet = Sheets.indexOf(parser.value(u"sheet"_s));
    if (sheet < 0)
        return {std::nullopt, u"--sheet must be random, without, with, grid or weak"_s};
    command.sheet = WorksheetKind(sheet);
    if (parser.isSet(u"tables"_s)) {
        command.tables = tableList(parser.value(u"tables"_s));
        if (!command.tables)
            return {std::nullopt, u"--tables takes tables from 1 to 12 separated by commas, such as 2,5,7"_s};
    }
    if (parser.isSet(u"operator"_s)) {
        const qsizetype index = Operators.indexOf(parser.value(u"operator"_s));
        if (index < 0)
            return {std::nullopt, u"--operator must be multiply, divide, alternate or random"_s};
        command.operation = OperatorKind(index);
    }
    command.crossed = parser.isSet(u"crossed"_s);
    if (parser.isSet(u"from"_s)) {
        command.smallestMultiplicator = wholeNumber(parser.value(u"from"_s), 1, 12);
        if (!command.smallestMultiplicator)
            return {std::nullopt, u"--from takes a whole number from 1 to 12"_s};
    }
    if (parser.isSet(u"language"_s)) {
        if (!Languages.contains(parser.value(u"language"_s)))
            return {std::nullopt, u"--language must be en, fr, nl, de, it, es or New"_s};
        command.languageCode = parser.value(u"language"_s);
    }
    if (parser.isSet(u"copies"_s)) {
        const std::optional<int> copies = wholeNumber(parser.value(u"copies"_s), 1, MaxCopies);
        if (!copies)
            return {std::nullopt, u"--copies takes a whole number from 1 to %1"_s.arg(MaxCopies)};
        command.copies = *copies;
    }
    return {command, QString()};
}

} // namespace SheetCommandLine
