#include "SettingsFile.h"

#include "OperatorKind.h"
#include "ProfileFile.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString Global = u"GLOBAL"_s;
const QString Chrono = u"CHRONO"_s;
const QString Son = u"SON"_s;
const QString Backgrd = u"BACKGRD"_s;
const QString Calculs = u"CALCULS"_s;

qint8 readByte(const ProfileFile &file, const QString &section, const QString &key, int fallback)
{
    return qint8(file.readInteger(section, key, fallback));
}

} // namespace

namespace SettingsFile {

QString storedLanguage(const ProfileFile &file)
{
    return file.readString(Global, u"Language"_s);
}

int storedOperation(const ProfileFile &file)
{
    return file.readInteger(Global, u"Operation"_s, 0);
}

int storedOperationIndex(const ProfileFile &file)
{
    return OperatorKinds::indexFromStored(file.readString(Global, u"Operation"_s, u"0"_s));
}

void writeOperation(ProfileFile &file, int index)
{
    file.writeInteger(Global, u"Operation"_s, index);
}

void read(const ProfileFile &file, AppSettings &settings, GradientSpec &background)
{
    const AppSettings defaults;
    settings.Range = std::clamp<qint8>(readByte(file, Global, u"Range"_s, defaults.Range), 1, 12);
    settings.HideTextLeft = file.readBool(Global, u"HideTextLeft"_s, defaults.HideTextLeft);
    settings.HideTextRight = file.readBool(Global, u"HideTextRight"_s, defaults.HideTextRight);
    settings.CalcColor = file.readInteger(Global, u"CalcColor"_s, defaults.CalcColor);
    settings.Inversion = file.readBool(Calculs, u"Inversion"_s, defaults.Inversion);
    settings.Timer1 = std::clamp<qint8>(readByte(file, Chrono, u"Timer1"_s, defaults.Timer1), 1, 15);
    settings.Timer2 = std::clamp<qint8>(readByte(file, Chrono, u"Timer2"_s, defaults.Timer2), 1, 4);
    settings.Jauge = file.readBool(Chrono, u"Jauge"_s, defaults.Jauge);
    settings.Couleur = file.readInteger(Chrono, u"Couleur"_s, defaults.Couleur);
    const qint8 bouton = readByte(file, Son, u"Bouton"_s, defaults.Bouton);
    settings.Bouton = bouton >= 0 && bouton <= 5 ? bouton : 0;

    background.StartColor = file.readInteger(Backgrd, u"Start"_s, 0);
    background.MiddleColor = file.readInteger(Backgrd, u"Middle"_s, 0);
    background.EndColor = file.readInteger(Backgrd, u"End"_s, 0);
    background.DoubleGradient = file.readBool(Backgrd, u"DblGr"_s, false);
    background.Flipped = file.readBool(Backgrd, u"Flipped"_s, false);
    background.orientation = file.readBool(Backgrd, u"Orientation"_s, false)
                                 ? GradientSpec::goVertical
                                 : GradientSpec::goHorizontal;
}

void write(ProfileFile &file, const QuitValues &values)
{
    const AppSettings &settings = values.settings;
    if (values.language)
        file.writeString(Global, u"Language"_s, *values.language);
    file.writeInteger(Global, u"Range"_s, values.range);
    file.writeBool(Global, u"HideTextLeft"_s, settings.HideTextLeft);
    file.writeBool(Global, u"HideTextRight"_s, settings.HideTextRight);
    file.writeInteger(Global, u"CalcColor"_s, settings.CalcColor);
    file.writeInteger(Global, u"Operation"_s, values.operation);

    file.writeInteger(Chrono, u"Timer1"_s, settings.Timer1);
    file.writeInteger(Chrono, u"Timer2"_s, settings.Timer2);
    file.writeBool(Chrono, u"Jauge"_s, settings.Jauge);
    file.writeInteger(Chrono, u"Couleur"_s, settings.Couleur);

    file.writeInteger(Son, u"Bouton"_s, settings.Bouton);

    const GradientSpec &background = values.background;
    file.writeInteger(Backgrd, u"Start"_s, background.StartColor);
    file.writeInteger(Backgrd, u"Middle"_s, background.MiddleColor);
    file.writeInteger(Backgrd, u"End"_s, background.EndColor);
    file.writeBool(Backgrd, u"DblGr"_s, background.DoubleGradient);
    file.writeBool(Backgrd, u"Flipped"_s, background.Flipped);
    file.writeBool(Backgrd, u"Orientation"_s, background.orientation == GradientSpec::goVertical);

    file.writeBool(Calculs, u"Inversion"_s, settings.Inversion);
}

} // namespace SettingsFile
