#pragma once

#include <QString>

class QTextStream;

// Runs the worksheet command line: writes the asked worksheets to a PDF file
// from the texts and choices kept in the program folder, which it never
// changes. Returns the exit status: 0 done, 1 the file could not be
// written, 2 a bad argument.
namespace SheetCommand {

int run(const QString &appDir, const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace SheetCommand
