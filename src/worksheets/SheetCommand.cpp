#include "SheetCommand.h"

#include "ChoiceFile.h"
#include "GradientSpec.h"
#include "HistoryFile.h"
#include "LanguageCode.h"
#include "MultiplicatorRange.h"
#include "OperatorList.h"
#include "ProfileFile.h"
#include "Random.h"
#include "ReportPdf.h"
#include "SettingsFile.h"
#include "SheetCommandLine.h"
#include "TextLines.h"
#include "WeakFactSheet.h"
#include "Worksheets.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace {

constexpr int BadArgument = 2;
constexpr int Failed = 1;

QStringList decimalTexts(const QList<int> &numbers)
{
    QStringList texts;
    for (int number : numbers)
        texts << QString::number(number);
    return texts;
}

// The saved choice of tables; empty when there is none.
QList<int> savedTables(const QString &appDir, QTextStream &err)
{
    const QString path = appDir + ChoiceFile::RelativePath;
    const std::optional<QStringList> lines = TextLines::read(path);
    if (!lines) {
        err << u"numerillo: cannot open file %1\n"_s.arg(QDir::toNativeSeparators(path));
        return {};
    }
    QList<int> tables = ChoiceFile::parse(*lines).tables;
    std::sort(tables.begin(), tables.end());
    tables.erase(std::unique(tables.begin(), tables.end()), tables.end());
    return tables;
}

} // namespace

namespace SheetCommand {

int run(const QString &appDir, const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const SheetCommandLine::Parsed parsed = SheetCommandLine::parse(arguments);
    if (!parsed.request) {
        if (parsed.error.isEmpty()) {
            out << SheetCommandLine::usage();
            return 0;
        }
        err << u"numerillo: "_s << parsed.error << u'\n' << SheetCommandLine::usage();
        return BadArgument;
    }
    const SheetRequest &command = *parsed.request;

    const ProfileFile settings(appDir + SettingsFile::RelativePath);
    const QString language = command.languageCode.value_or(
        LanguageCode::atStartup(SettingsFile::storedLanguage(settings), QLocale::system().language()));
    const QString languageFile = LanguageCode::languageFilePath(appDir, language);
    if (!QFileInfo(languageFile).isFile())
        err << u"numerillo: cannot open file %1\n"_s.arg(QDir::toNativeSeparators(languageFile));
    const CaptionTexts texts = CaptionTexts::load(languageFile, u"PrintDlg"_s);

    RandomWorksheetRequest request;
    std::optional<QList<Fact>> weakFacts;
    if (command.sheet == WorksheetKind::WeakFacts)
        weakFacts = WeakFactSheet::facts(HistoryFile::read(appDir + u"sys/history.txt"_s).answers,
                                         QDate::currentDate());
    const bool drawsTables = command.sheet == WorksheetKind::Random
                             || (command.sheet == WorksheetKind::WeakFacts && !weakFacts);
    if (command.sheet == WorksheetKind::Random || command.sheet == WorksheetKind::WeakFacts) {
        const QList<int> tables = command.tables.value_or(drawsTables ? savedTables(appDir, err) : QList<int>());
        if (drawsTables && tables.isEmpty()) {
            err << u"numerillo: no tables are chosen: give them with --tables\n"_s << SheetCommandLine::usage();
            return BadArgument;
        }
        AppSettings saved;
        GradientSpec background;
        SettingsFile::read(settings, saved, background);
        const int stored = SettingsFile::storedOperationIndex(settings);
        request.draw.tables = decimalTexts(tables);
        request.smallestMultiplicator = command.smallestMultiplicator.value_or(saved.Range);
        request.draw.multiplicators = MultiplicatorRange::from(request.smallestMultiplicator);
        request.draw.operation = command.operation.value_or(
            OperatorKinds::fromIndex(stored).value_or(OperatorKind::Multiply));
        request.draw.crossed = command.crossed;
        request.draw.languageCode = language;
        request.operatorName = OperatorList::complete(OperatorList::load(appDir, language).value_or(
            QStringList()))[int(request.draw.operation)];
    }

    Random::seedFromClock();
    Worksheets worksheets;
    QList<ReportPage> pages;
    for (int copy = 0; copy < command.copies; ++copy) {
        if (command.sheet == WorksheetKind::Random)
            pages << worksheets.makeRandom(texts, request);
        else if (command.sheet == WorksheetKind::WeakFacts)
            pages << worksheets.makeWeak(texts, request, weakFacts);
        else
            pages << worksheets.makeFixed(command.sheet, texts);
        worksheets.emptyColumns();
    }

    const SafeFile::Result written = ReportPdf::write(command.pdfPath, u"Numerillo"_s, pages);
    if (written != SafeFile::Result::Written) {
        const QString reason = written == SafeFile::Result::CannotCreate ? u"the file cannot be made"_s
                                                                        : u"writing it failed"_s;
        err << u"numerillo: cannot write %1: %2\n"_s.arg(QDir::toNativeSeparators(command.pdfPath), reason);
        return Failed;
    }
    return 0;
}

} // namespace SheetCommand
