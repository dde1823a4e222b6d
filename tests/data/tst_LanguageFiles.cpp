// Checks the delivered language data in data/sys: every language file holds a
// text for every key the windows read, the files are Windows-1252 with CR LF
// line ends, the operator and sound event lists have their fixed shape, the
// drill comments fit the result line, keyboard accelerators don't clash within
// a window, and the short labels fit their controls. Reads, never writes.

#include "Cp1252.h"
#include "LanguageKeys.h"
#include "ProfileFile.h"
#include "TextLines.h"

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QString SysDir = QString::fromUtf8(NUMERILLO_SOURCE_DIR "/data/sys/");
const QStringList LanguageCodes = {u"en"_s, u"fr"_s, u"nl"_s, u"de"_s, u"it"_s, u"es"_s};

QString languageFile(const QString &code) { return SysDir + code + u".lng"_s; }
QString operatorList(const QString &code) { return SysDir + code + u"OpSel.txt"_s; }
QString eventList(const QString &code) { return SysDir + code + u"-soundevents.txt"_s; }

struct Text
{
    QString section;
    QString key;
};

// The buttons and menu entries that are reachable at the same time. The help
// panel's close button sits in the start window and in the drill window, so it
// belongs to both; the two menus' entries only compete within their menu.
struct AcceleratorGroup
{
    const char *window;
    QList<Text> texts;
};

const QList<AcceleratorGroup> &acceleratorGroups()
{
    static const QList<AcceleratorGroup> groups = {
        {"start window",
         {{u"FStart"_s, u"vSelectAllBtn"_s}, {u"FStart"_s, u"vInverseSelBtn"_s},
          {u"FStart"_s, u"vExpertBtn"_s}, {u"FStart"_s, u"vStartWorkBtn"_s},
          {u"FStart"_s, u"vPrintCalcBtn"_s}, {u"FStart"_s, u"vQuitBtn"_s},
          {u"FStart"_s, u"vMenuFilesCaption"_s}, {u"FStart"_s, u"vMenuLangCaption"_s},
          {u"FStart"_s, u"vMenuAboutCaption"_s}, {u"FCalculator"_s, u"vHelpCloseBtn"_s}}},
        {"file menu",
         {{u"FStart"_s, u"vMenuProgressCaption"_s}, {u"FStart"_s, u"vMenuQuitCaption"_s}}},
        {"help menu",
         {{u"FStart"_s, u"vMenuAboutIndexcaption"_s}, {u"FStart"_s, u"vMenuAbout1Caption"_s}}},
        {"drill window",
         {{u"FCalculator"_s, u"vCaptionBtn1"_s}, {u"FCalculator"_s, u"vCaptionBtn6"_s},
          {u"FCalculator"_s, u"vCaptionBtn8"_s}, {u"FCalculator"_s, u"vCaptionBtn10"_s},
          {u"FCalculator"_s, u"vCaptionBtn9"_s}, {u"FCalculator"_s, u"vCaptionBtn2"_s},
          {u"FCalculator"_s, u"vResetBtn"_s}, {u"FCalculator"_s, u"vTimerGoBtn"_s},
          {u"FCalculator"_s, u"vTimerStopBtn"_s}, {u"FCalculator"_s, u"vHelpCloseBtn"_s}}},
        {"expert options",
         {{u"FSwap"_s, u"vCrossYesRadioBtnCaption"_s}, {u"FSwap"_s, u"vCrossNoRadioBtnCaption"_s}}},
        {"sound options",
         {{u"FSound"_s, u"vListenCaptionBtn"_s}, {u"FSound"_s, u"vEditCaptionBtn"_s}}},
        {"sound set editor",
         {{u"FAudio"_s, u"vAssocOtherBtn"_s}, {u"FAudio"_s, u"vAssociateCaptionBtn"_s},
          {u"FAudio"_s, u"vCancelCaptionBtn"_s}}},
        {"after-record dialog",
         {{u"AfterRecordDlg"_s, u"vOKCaptionBtn"_s}, {u"AfterRecordDlg"_s, u"vCancelCaptionBtn"_s}}},
        {"record dialog",
         {{u"RecordDlg"_s, u"vNextOpRBCaption"_s}, {u"RecordDlg"_s, u"vNextErrRBCaption"_s},
          {u"RecordDlg"_s, u"vNoRecRBCaption"_s}}},
        {"print dialog",
         {{u"PrintDlg"_s, u"vRandomRBCaption"_s}, {u"PrintDlg"_s, u"vNoAnswerRBCaption"_s},
          {u"PrintDlg"_s, u"vWithAnswerRBCaption"_s}, {u"PrintDlg"_s, u"vGridRBCaption"_s},
          {u"PrintDlg"_s, u"vRG1Item0Lbl"_s}, {u"PrintDlg"_s, u"vRG1Item1Lbl"_s},
          {u"PrintDlg"_s, u"vPrintBtnCaption"_s}, {u"PrintDlg"_s, u"vCancelBtnCaption"_s}}},
        {"screen colours",
         {{u"FColor"_s, u"vSolidColBtn"_s}, {u"FColor"_s, u"vFactoryBtn"_s}, {u"FColor"_s, u"vCancelCaptionBtn"_s}}},
        {"background",
         {{u"MakeBackGround"_s, u"vTopColBtn"_s}, {u"MakeBackGround"_s, u"vMidColBtn"_s},
          {u"MakeBackGround"_s, u"vEndColBtn"_s}}},
        {"progress",
         {{u"FProgress"_s, u"vDrillWeakBtn"_s}, {u"FProgress"_s, u"vWeakSheetBtn"_s},
          {u"FProgress"_s, u"vCloseBtn"_s}}},
    };
    return groups;
}

bool inAcceleratorGroup(const QString &section, const QString &key)
{
    for (const auto &group : acceleratorGroups()) {
        for (const auto &text : group.texts) {
            if (text.section == section && text.key == key)
                return true;
        }
    }
    return false;
}

// The accelerator letter of a caption: the character after a single "&"
// ("&&" is a literal ampersand). No value when there is none; an error text
// when the "&" leads nowhere or the caption has two of them.
struct Accelerator
{
    std::optional<QChar> letter;
    QString error;
};

Accelerator acceleratorOf(const QString &caption)
{
    Accelerator found;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (i + 1 < caption.size() && caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        if (i + 1 >= caption.size() || !caption[i + 1].isLetterOrNumber())
            found.error = u"\"&\" not followed by a letter"_s;
        else if (found.letter)
            found.error = u"two accelerators"_s;
        else
            found.letter = caption[i + 1].toLower();
    }
    return found;
}

QString withoutAccelerator(QString caption)
{
    static const QRegularExpression single(u"&(?!&)"_s);
    return caption.replace(u"&&"_s, u"\u0001"_s).remove(single).replace(u'\u0001', u'&');
}

// The windows use Arial at 13 pixels; Liberation Sans has the same metrics.
std::optional<QFontMetrics> windowFontMetrics()
{
    QFont font(u"Arial"_s);
    font.setPixelSize(13);
    const QString family = QFontInfo(font).family();
    if (family != u"Arial"_s && family != u"Liberation Sans"_s)
        return std::nullopt;
    return QFontMetrics(font);
}

void addLanguageRows()
{
    QTest::addColumn<QString>("code");
    for (const QString &code : LanguageCodes)
        QTest::newRow(qPrintable(code)) << code;
}

} // namespace

class tst_LanguageFiles : public QObject
{
    Q_OBJECT

private slots:
    void everyKeyHasText_data() { addLanguageRows(); }
    void everyKeyHasText();
    void filesAreWindows1252WithCrLf_data();
    void filesAreWindows1252WithCrLf();
    void operatorListHasFourEntries_data();
    void operatorListHasFourEntries();
    void eventListHasEightNumberedTitles_data() { addLanguageRows(); }
    void eventListHasEightNumberedTitles();
    void commentsFitTwentyCharacters_data() { addLanguageRows(); }
    void commentsFitTwentyCharacters();
    void acceleratorsDoNotClash_data() { addLanguageRows(); }
    void acceleratorsDoNotClash();
    void acceleratorsOnlyOnButtonsAndMenus_data() { addLanguageRows(); }
    void acceleratorsOnlyOnButtonsAndMenus();
    void shortLabelsFitTheirControls_data() { addLanguageRows(); }
    void shortLabelsFitTheirControls();
};

void tst_LanguageFiles::everyKeyHasText()
{
    QFETCH(QString, code);
    const ProfileFile file(languageFile(code));
    QVERIFY2(file.exists(), qPrintable(file.path()));

    QStringList missing;
    for (const QString &section : LanguageKeys::sections()) {
        for (const QString &key : LanguageKeys::keys(section)) {
            if (file.readString(section, key).isEmpty())
                missing << section + u'/' + key;
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(u"no text for "_s + missing.join(u", ")));
}

void tst_LanguageFiles::filesAreWindows1252WithCrLf_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &code : LanguageCodes) {
        for (const QString &path : {languageFile(code), operatorList(code), eventList(code)})
            QTest::newRow(qPrintable(path.mid(SysDir.size()))) << path;
    }
}

void tst_LanguageFiles::filesAreWindows1252WithCrLf()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    const QByteArray bytes = file.readAll();
    QVERIFY(!bytes.isEmpty());

    QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "UTF-8 byte-order mark");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = quint8(bytes[i]);
        const auto next = i + 1 < bytes.size() ? quint8(bytes[i + 1]) : 0;
        // A UTF-8 lead byte followed by a continuation byte: text saved as UTF-8.
        QVERIFY2(!(byte >= 0xC2 && byte <= 0xF4 && next >= 0x80 && next <= 0xBF),
                 qPrintable(u"UTF-8 sequence at byte %1"_s.arg(i)));
        // Bytes that Windows-1252 leaves undefined.
        QVERIFY2(byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D,
                 qPrintable(u"undefined byte at %1"_s.arg(i)));
        QVERIFY2(byte >= 0x20 || byte == '\r' || byte == '\n',
                 qPrintable(u"control character at byte %1"_s.arg(i)));
        if (byte == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', qPrintable(u"bare LF at byte %1"_s.arg(i)));
        if (byte == '\r')
            QVERIFY2(next == '\n', qPrintable(u"bare CR at byte %1"_s.arg(i)));
    }
    QVERIFY2(bytes.endsWith("\r\n"), "last line not ended by CR LF");

    bool encodable = false;
    QCOMPARE(Cp1252::encode(Cp1252::decode(bytes), &encodable), bytes);
    QVERIFY(encodable);
}

void tst_LanguageFiles::operatorListHasFourEntries_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QStringList>("expected");
    // The program writes these two lists itself when they are missing, so the
    // delivered ones must read the same.
    QTest::newRow("en") << u"en"_s
                        << QStringList{u"Operator: Multiply"_s, u"Operator: Divide"_s,
                                       u"Operator: Alternate"_s, u"Operator: Random"_s};
    QTest::newRow("fr") << u"fr"_s
                        << QStringList{u"Opérateur: Multiplier"_s, u"Opérateur: Diviser"_s,
                                       u"Opérateur: Alterné"_s, u"Opérateur: Aléatoire"_s};
    for (const QString &code : LanguageCodes.mid(2))
        QTest::newRow(qPrintable(code)) << code << QStringList{};
}

void tst_LanguageFiles::operatorListHasFourEntries()
{
    QFETCH(QString, code);
    QFETCH(QStringList, expected);
    const auto lines = TextLines::read(operatorList(code));
    QVERIFY2(lines, qPrintable(operatorList(code)));
    QCOMPARE(lines->size(), 4);
    for (const QString &line : *lines)
        QVERIFY2(!line.trimmed().isEmpty() && line == line.trimmed(), qPrintable(line));
    QCOMPARE(QSet<QString>(lines->begin(), lines->end()).size(), 4);
    if (!expected.isEmpty())
        QCOMPARE(*lines, expected);
}

void tst_LanguageFiles::eventListHasEightNumberedTitles()
{
    QFETCH(QString, code);
    const auto lines = TextLines::read(eventList(code));
    QVERIFY2(lines, qPrintable(eventList(code)));
    QCOMPARE(lines->size(), 8);
    for (int event = 1; event <= 8; ++event) {
        const QString &title = lines->at(event - 1);
        const QString number = u"(%1)"_s.arg(event);
        // The sound set editor shows the last three characters as the number.
        QVERIFY2(title.right(3) == number, qPrintable(title));
        QVERIFY2(title.size() > 4 && title.at(title.size() - 4) == u' '
                     && !title.left(title.size() - 4).trimmed().isEmpty(),
                 qPrintable(title));
    }
}

void tst_LanguageFiles::commentsFitTwentyCharacters()
{
    QFETCH(QString, code);
    const ProfileFile file(languageFile(code));
    for (const QString &key : {u"vResultRightLbl"_s, u"vResultWrongLbl"_s, u"vResultLateLbl"_s,
                               u"vResultRightLateLbl"_s, u"vResultWrongLateLbl"_s}) {
        const QString comment = file.readString(u"FCalculator"_s, key);
        QVERIFY2(!comment.isEmpty() && comment.size() <= 20,
                 qPrintable(key + u": \""_s + comment + u'"'));
    }
}

void tst_LanguageFiles::acceleratorsDoNotClash()
{
    QFETCH(QString, code);
    const ProfileFile file(languageFile(code));
    for (const auto &group : acceleratorGroups()) {
        QHash<QChar, QString> taken;
        for (const auto &text : group.texts) {
            const QString caption = file.readString(text.section, text.key);
            const Accelerator accelerator = acceleratorOf(caption);
            QVERIFY2(accelerator.error.isEmpty(),
                     qPrintable(text.key + u": "_s + accelerator.error));
            if (!accelerator.letter)
                continue;
            const QChar letter = *accelerator.letter;
            QVERIFY2(!taken.contains(letter),
                     qPrintable(u"%1: \"%2\" in %3 and %4"_s.arg(QLatin1StringView(group.window))
                                    .arg(letter).arg(taken.value(letter), text.key)));
            taken.insert(letter, text.key);
        }
    }
}

void tst_LanguageFiles::acceleratorsOnlyOnButtonsAndMenus()
{
    // Titles, labels and the texts printed on the worksheets would show a
    // stray "&" as it stands.
    QFETCH(QString, code);
    const ProfileFile file(languageFile(code));
    QStringList stray;
    for (const QString &section : LanguageKeys::sections()) {
        for (const QString &key : LanguageKeys::keys(section)) {
            if (!inAcceleratorGroup(section, key)
                && acceleratorOf(file.readString(section, key)).letter)
                stray << section + u'/' + key;
        }
    }
    QVERIFY2(stray.isEmpty(), qPrintable(u"\"&\" in "_s + stray.join(u", ")));
}

void tst_LanguageFiles::shortLabelsFitTheirControls()
{
    QFETCH(QString, code);
    const auto metrics = windowFontMetrics();
    if (!metrics)
        QSKIP("no font with Arial's metrics");

    // Room for text: a drill top-bar button is 102 px wide with a picture, a
    // start-window button about 200 px with a picture, the operator list
    // 151 px less its arrow, and an event title one of two radio columns in
    // the 423-px sound set editor.
    const ProfileFile file(languageFile(code));
    const auto check = [&](const QString &text, int room) {
        const int width = metrics->horizontalAdvance(withoutAccelerator(text));
        return width <= room ? QString() : u"\"%1\" is %2 px, room %3"_s.arg(text).arg(width).arg(room);
    };
    QStringList tooWide;
    for (const QString &key : {u"vCaptionBtn1"_s, u"vCaptionBtn6"_s, u"vCaptionBtn8"_s,
                               u"vCaptionBtn10"_s, u"vCaptionBtn9"_s}) {
        const QString caption = file.readString(u"FCalculator"_s, key);
        QVERIFY2(!caption.contains(u' '), qPrintable(key + u": one word, not \""_s + caption + u'"'));
        tooWide << check(caption, 70);
    }
    for (const QString &key : {u"vSelectAllBtn"_s, u"vInverseSelBtn"_s, u"vExpertBtn"_s,
                               u"vStartWorkBtn"_s, u"vPrintCalcBtn"_s, u"vQuitBtn"_s})
        tooWide << check(file.readString(u"FStart"_s, key), 160);
    for (const QString &line : TextLines::read(operatorList(code)).value_or(QStringList{}))
        tooWide << check(line, 121);
    for (const QString &title : TextLines::read(eventList(code)).value_or(QStringList{}))
        tooWide << check(title, 175);
    tooWide.removeAll(QString());
    QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(u"; ")));
}

QTEST_MAIN(tst_LanguageFiles)
#include "tst_LanguageFiles.moc"
