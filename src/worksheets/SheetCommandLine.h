#pragma once

#include "OperatorKind.h"
#include "Worksheets.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the worksheet command line asks for.
struct SheetRequest
{
    QString pdfPath;
    WorksheetKind sheet = WorksheetKind::Random;
    std::optional<QList<int>> tables;     // ascending, without repeats
    std::optional<OperatorKind> operation;
    bool crossed = false;
    std::optional<int> smallestMultiplicator;
    std::optional<QString> languageCode;
    int copies = 1;
};

// The command line that writes worksheets to a PDF file without opening a
// window: numerillo --pdf FILE --sheet random|without|with|grid [...].
namespace SheetCommandLine {

inline constexpr int MaxCopies = 500;

// Whether the arguments (without the program's name) ask for this command
// line rather than the windows.
bool isRequested(const QStringList &arguments);

struct Parsed
{
    std::optional<SheetRequest> request; // none for --help or an error
    QString error;                       // empty for --help
};
Parsed parse(const QStringList &arguments);

QString usage();

} // namespace SheetCommandLine
