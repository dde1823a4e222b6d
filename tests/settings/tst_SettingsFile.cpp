#include "AppDirFixture.h"
#include "ProfileFile.h"
#include "SettingsFile.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_SettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void emptyFileGivesDefaults();
    void readsStoredValues_data();
    void readsStoredValues();
    void writesSectionsInOrderFromNothing();
    void keepsWhatItDoesNotOwn();
};

namespace {

struct Read
{
    AppSettings settings;
    GradientSpec background;
};

Read readFrom(const QByteArray &contents)
{
    AppDirFixture dir;
    dir.write(SettingsFile::RelativePath, contents);
    Read read;
    SettingsFile::read(ProfileFile(dir.path(SettingsFile::RelativePath)), read.settings, read.background);
    return read;
}

} // namespace

void tst_SettingsFile::emptyFileGivesDefaults()
{
    const Read read = readFrom({});
    const AppSettings &s = read.settings;
    QCOMPARE(s.Range, 1);
    QCOMPARE(s.Timer1, 3);
    QCOMPARE(s.Timer2, 1);
    QCOMPARE(s.Jauge, true);
    QCOMPARE(s.Couleur, 32647);
    QCOMPARE(s.CalcColor, 32647);
    QCOMPARE(s.Bouton, 1);
    QCOMPARE(s.Inversion, false);
    QCOMPARE(s.HideTextLeft, false);
    QCOMPARE(s.HideTextRight, false);
    const GradientSpec &b = read.background;
    QCOMPARE(b.StartColor, 0);
    QCOMPARE(b.MiddleColor, 0);
    QCOMPARE(b.EndColor, 0);
    QCOMPARE(b.DoubleGradient, false);
    QCOMPARE(b.Flipped, false);
    QCOMPARE(b.orientation, GradientSpec::goHorizontal);
}

void tst_SettingsFile::readsStoredValues_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("expected");

    QTest::newRow("CalcColor in $ hexadecimal") << QByteArray("[GLOBAL]\r\nCalcColor=$7F87") << "CalcColor" << 32647;
    QTest::newRow("CalcColor in 0x hexadecimal") << QByteArray("[GLOBAL]\r\nCalcColor=0x7F87") << "CalcColor" << 32647;
    QTest::newRow("CalcColor as a word") << QByteArray("[GLOBAL]\r\nCalcColor=red") << "CalcColor" << 32647;
    QTest::newRow("Couleur negative") << QByteArray("[CHRONO]\r\nCouleur=-1") << "Couleur" << -1;
    QTest::newRow("Range in lower-case names") << QByteArray("[global]\r\nrange=4") << "Range" << 4;
    QTest::newRow("Range low 8 bits then 1 to 12") << QByteArray("[GLOBAL]\r\nRange=260") << "Range" << 4;
    QTest::newRow("Range 0 is brought up to 1") << QByteArray("[GLOBAL]\r\nRange=0") << "Range" << 1;
    QTest::newRow("Range 13 is brought down to 12") << QByteArray("[GLOBAL]\r\nRange=13") << "Range" << 12;
    QTest::newRow("Timer1 above 15") << QByteArray("[CHRONO]\r\nTimer1=40") << "Timer1" << 15;
    QTest::newRow("Timer1 negative") << QByteArray("[CHRONO]\r\nTimer1=-3") << "Timer1" << 1;
    QTest::newRow("Timer2 above 4") << QByteArray("[CHRONO]\r\nTimer2=9") << "Timer2" << 4;
    QTest::newRow("Bouton in range") << QByteArray("[SON]\r\nBouton=3") << "Bouton" << 3;
    QTest::newRow("Bouton above 5 is silence") << QByteArray("[SON]\r\nBouton=6") << "Bouton" << 0;
    QTest::newRow("Bouton negative is silence") << QByteArray("[SON]\r\nBouton=-1") << "Bouton" << 0;
    QTest::newRow("Jauge 0") << QByteArray("[CHRONO]\r\nJauge=0") << "Jauge" << 0;
    QTest::newRow("Jauge yes") << QByteArray("[CHRONO]\r\nJauge=yes") << "Jauge" << 1;
    QTest::newRow("Inversion 2") << QByteArray("[CALCULS]\r\nInversion=2") << "Inversion" << 1;
    QTest::newRow("vertical background") << QByteArray("[BACKGRD]\r\nOrientation=1") << "Orientation" << int(GradientSpec::goVertical);
    QTest::newRow("background start colour") << QByteArray("[BACKGRD]\r\nStart=16777215") << "Start" << 16777215;
}

void tst_SettingsFile::readsStoredValues()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, field);
    QFETCH(int, expected);
    const Read read = readFrom(contents);
    const AppSettings &s = read.settings;
    const QHash<QString, int> fields = {
        {u"CalcColor"_s, s.CalcColor}, {u"Couleur"_s, s.Couleur},   {u"Range"_s, s.Range},
        {u"Timer1"_s, s.Timer1},       {u"Timer2"_s, s.Timer2},     {u"Bouton"_s, s.Bouton},
        {u"Jauge"_s, s.Jauge},         {u"Inversion"_s, s.Inversion},
        {u"Orientation"_s, int(read.background.orientation)},
        {u"Start"_s, read.background.StartColor},
    };
    QCOMPARE(fields.value(field), expected);
}

void tst_SettingsFile::writesSectionsInOrderFromNothing()
{
    AppDirFixture dir;
    dir.remove(SettingsFile::RelativePath);
    SettingsFile::QuitValues values;
    values.language = u"fr"_s;
    values.range = 4;
    values.operation = -1;
    values.settings.HideTextRight = true;
    values.background.orientation = GradientSpec::goVertical;
    values.background.StartColor = -5;

    ProfileFile file(dir.path(SettingsFile::RelativePath));
    SettingsFile::write(file, values);
    QCOMPARE(file.save(), SafeFile::Result::Written);

    QCOMPARE(dir.read(SettingsFile::RelativePath),
             QByteArray("[GLOBAL]\r\nLanguage=fr\r\nRange=4\r\nHideTextLeft=0\r\nHideTextRight=1\r\n"
                        "CalcColor=32647\r\nOperation=-1\r\n"
                        "[CHRONO]\r\nTimer1=3\r\nTimer2=1\r\nJauge=1\r\nCouleur=32647\r\n"
                        "[SON]\r\nBouton=1\r\n"
                        "[BACKGRD]\r\nStart=-5\r\nMiddle=16711680\r\nEnd=8388608\r\nDblGr=0\r\n"
                        "Flipped=0\r\nOrientation=1\r\n"
                        "[CALCULS]\r\nInversion=0\r\n"));
}

void tst_SettingsFile::keepsWhatItDoesNotOwn()
{
    AppDirFixture dir;
    dir.write(SettingsFile::RelativePath,
              "; kept comment\r\n[PARENTS]\r\nNote=Tim, class 3\r\n[son]\r\nbouton=2\r\nVolume=7\r\n");
    ProfileFile file(dir.path(SettingsFile::RelativePath));
    SettingsFile::write(file, SettingsFile::QuitValues{});
    QCOMPARE(file.save(), SafeFile::Result::Written);

    const ProfileFile written(dir.path(SettingsFile::RelativePath));
    QCOMPARE(written.readString(u"PARENTS"_s, u"Note"_s), u"Tim, class 3"_s);
    QCOMPARE(written.readInteger(u"SON"_s, u"Volume"_s, 0), 7);
    QCOMPARE(written.readInteger(u"SON"_s, u"Bouton"_s, 0), 1);
    QVERIFY(dir.read(SettingsFile::RelativePath).startsWith("; kept comment\r\n[PARENTS]\r\n"));
}

QTEST_GUILESS_MAIN(tst_SettingsFile)
#include "tst_SettingsFile.moc"
