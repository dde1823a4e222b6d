#include "AppDirFixture.h"
#include "CaptionTexts.h"
#include "LanguageCode.h"
#include "LanguageKeys.h"

#include <QTest>

using namespace Qt::StringLiterals;

class tst_Languages : public QObject
{
    Q_OBJECT

private slots:
    void startupLanguage_data();
    void startupLanguage();
    void looksUpTexts_data();
    void looksUpTexts();
    void keysAreUniqueWithinASection();
};

void tst_Languages::startupLanguage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QLocale::Language>("system");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stored code") << "de" << QLocale::French << "de";
    QTest::newRow("stored in capitals stays so") << "EN" << QLocale::English << "EN";
    QTest::newRow("longer than 8 characters") << "abcdefghij" << QLocale::English << "en";
    QTest::newRow("a path") << "../../zz" << QLocale::French << "fr";
    QTest::newRow("a blank") << " fr" << QLocale::English << "en";
    QTest::newRow("8 letters, digits, - and _") << "pt-BR_1x" << QLocale::English << "pt-BR_1x";
    QTest::newRow("none stored on a French system") << "" << QLocale::French << "fr";
    QTest::newRow("none stored on a German system") << "" << QLocale::German << "en";
}

void tst_Languages::startupLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QLocale::Language, system);
    QFETCH(QString, expected);
    QCOMPARE(LanguageCode::atStartup(stored, system), expected);
}

void tst_Languages::looksUpTexts_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray startOnly("[FStart]\r\nvQuitBtn=Quit Numerillo\r\nVSTARTWORKBTN=Go\r\n");
    QTest::newRow("key of the section") << startOnly << "FStart" << "vQuitBtn" << "Quit Numerillo";
    QTest::newRow("key written in capitals") << startOnly << "FStart" << "vStartWorkBtn" << "Go";
    QTest::newRow("missing key") << startOnly << "FStart" << "vComment" << "";
    QTest::newRow("missing section") << startOnly << "FSwap" << "vFSWapCaption" << "";
    QTest::newRow("missing grid title") << startOnly << "PrintDlg" << "vQRPrintGridCaption" << "xxx";
    QTest::newRow("grid title present") << QByteArray("[PrintDlg]\r\nvQRPrintGridCaption=Grid\r\n")
                                        << "PrintDlg" << "vQRPrintGridCaption" << "Grid";
    QTest::newRow("missing file") << QByteArray() << "FStart" << "vQuitBtn" << "";
    QTest::newRow("missing file, grid title") << QByteArray() << "PrintDlg" << "vQRPrintGridCaption" << "xxx";
    QTest::newRow("Windows-1252 accents") << QByteArray("[FSwap]\r\nvFSWapCaption=Options \xab Expert \xbb\r\n")
                                          << "FSwap" << "vFSWapCaption" << u"Options \u00ab Expert \u00bb"_s;
}

void tst_Languages::looksUpTexts()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    AppDirFixture dir;
    if (!file.isEmpty())
        dir.write(u"sys/xx.lng"_s, file);

    const CaptionTexts texts = CaptionTexts::load(dir.path(u"sys/xx.lng"_s), section);
    QCOMPARE(texts.text(key), expected);
}

void tst_Languages::keysAreUniqueWithinASection()
{
    for (const QString &section : LanguageKeys::sections()) {
        QStringList lowered;
        for (const QString &key : LanguageKeys::keys(section))
            lowered << key.toLower();
        lowered.removeDuplicates();
        QCOMPARE(lowered.size(), LanguageKeys::keys(section).size());
    }
}

QTEST_GUILESS_MAIN(tst_Languages)
#include "tst_Languages.moc"
