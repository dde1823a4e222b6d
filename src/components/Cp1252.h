#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Every data file of the program is 8-bit Windows-1252 text.
namespace Cp1252 {

QString decode(QByteArrayView bytes);

// A character outside the code page becomes "?" and clears *ok.
QByteArray encode(QStringView text, bool *ok = nullptr);

} // namespace Cp1252
