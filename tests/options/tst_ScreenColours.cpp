#include "AppDirFixture.h"
#include "BackgroundPresets.h"
#include "ColorAnswers.h"
#include "ColorValue.h"
#include "MessageRecorder.h"
#include "ProfileFile.h"
#include "TFCalculator.h"
#include "TFColor.h"
#include "TFStart.h"
#include "TGradient.h"
#include "TMakeBackGround.h"
#include "WindowControls.h"
#include "WindowSet.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(GradientSpec)

namespace {

constexpr int Red = 255;
constexpr int Green = 255 << 8;
constexpr int Grey = 0x808080;
constexpr int Keypad = 32647;
constexpr int Gauge = 12345;

// The background the settings give: a double gradient from red through
// green to grey, top to bottom, not flipped.
GradientSpec storedBackground()
{
    GradientSpec spec;
    spec.StartColor = Red;
    spec.MiddleColor = Green;
    spec.EndColor = Grey;
    spec.DoubleGradient = true;
    return spec;
}

const BackgroundPresets::Preset &preset(const char *name)
{
    for (const auto &candidate : BackgroundPresets::all())
        if (qstrcmp(candidate.name, name) == 0)
            return candidate;
    qFatal("no preset %s", name);
}

// The drill window open over the start window, whose background the
// settings give, with sound off and English texts.
class ColourRun
{
public:
    ColourRun()
    {
        dir.write(u"sys/multable.ini"_s,
                  "[GLOBAL]\r\nLanguage=en\r\nCalcColor=32647\r\n[CHRONO]\r\nCouleur=12345\r\n[SON]\r\nBouton=0\r\n"
                  "[BACKGRD]\r\nStart=255\r\nMiddle=65280\r\nEnd=8421504\r\nDblGr=1\r\nFlipped=0\r\n"
                  "Orientation=1\r\n");
        dir.write(u"sys/choices.txt"_s, "3\r\n");
        dir.write(u"sys/en.lng"_s, "[FColor]\r\nvFcolorCaption=Screen colours\r\nvSolidColBtn=&Solid...\r\n"
                                   "vFactoryBtn=&Design\r\nvCancelCaptionBtn=&Cancel\r\nvFlipHint=Flip\r\n"
                                   "vTurnHint=Turn\r\nvGaugeColorHint=Gauge\r\nvKeypadColorHint=Keypad\r\n"
                                   "[MakeBackGround]\r\nvMakeBackGroundCaption=Background\r\n"
                                   "vTopColBtn=&Start colour\r\n");
        windows = std::make_unique<WindowSet>(dir.path());
        if (!windows->create())
            qFatal("the windows could not be made");
        drill = windows->FCalculator;
        colours = windows->FColor;
        designer = windows->MakeBackGround;
        drill->takeBackground(control<TGradient>(windows->FStart, u"Gradient1"_s)->spec());
        drill->show();
        QCoreApplication::processEvents();
    }

    ~ColourRun()
    {
        drill->hide();
    }

    // Opens the screen colour window with the drill window's screen button;
    // inside runs while it is open, and Cancel closes it if inside did not.
    void openColours(const std::function<void()> &inside)
    {
        whileOpen(colours, inside);
        QTest::mouseClick(control<QPushButton>(drill, u"BitBtn10"_s), Qt::LeftButton);
        QVERIFY(!colours->isVisible());
    }

    // Opens the background window with the Design button, from within the
    // screen colour window; it closes with its OK afterwards.
    void openDesigner(const std::function<void()> &inside)
    {
        whileOpen(designer, inside);
        click(colours, "BitBtn5");
    }

    static void click(QWidget *window, const char *name)
    {
        auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() - 4, button->height() / 2));
    }

    GradientSpec drillBackground() const { return control<TGradient>(drill, u"Gradient1"_s)->spec(); }
    GradientSpec startBackground() const { return control<TGradient>(windows->FStart, u"Gradient1"_s)->spec(); }
    AppSettings &settings() const { return windows->context.settings; }

    // The colour of the drill window's three top-bar panels, when they agree.
    int topBar() const
    {
        const QColor colour = control<QFrame>(drill, u"Panel16"_s)->palette().color(QPalette::Window);
        for (QWidget *part : {control<QFrame>(drill, u"Panel17"_s), control<QFrame>(drill, u"Panel18"_s)})
            if (part->palette().color(QPalette::Window) != colour)
                return -1;
        return ColorValue::fromColor(colour);
    }

    int keypad() const { return ColorValue::fromColor(control<QFrame>(drill, u"Panel13"_s)->palette().color(QPalette::Window)); }

    AppDirFixture dir;
    MessageRecorder messages;
    std::unique_ptr<WindowSet> windows;
    TFCalculator *drill = nullptr;
    TFColor *colours = nullptr;
    TMakeBackGround *designer = nullptr;

private:
    static void whileOpen(QDialog *dialog, const std::function<void()> &inside)
    {
        QTimer::singleShot(0, dialog, [dialog, inside] {
            QVERIFY(dialog->isVisible());
            inside();
            if (dialog->isVisible())
                dialog->reject();
        });
    }
};

} // namespace

class tst_ScreenColours : public QObject
{
    Q_OBJECT

private slots:
    void layout();
    void presetShowsAtOnceAndReachesTheStartWindowAtOk_data();
    void presetShowsAtOnceAndReachesTheStartWindowAtOk();
    void oceanFlipped();
    void lilaRunsLeftToRight();
    void solidThenFlipAndTurnChangeNothingVisible();
    void cancelPutsEverythingBack_data();
    void cancelPutsEverythingBack();
    void cancelledChooserChangesNothing_data();
    void cancelledChooserChangesNothing();
    void choosersOpenOnTheirLastColour();
    void keypadAndGaugeColoursAreWrittenAtQuit();
    void doubleGradientBoxOnOpening();
    void designedColoursShowAtOnce();
    void okGivesTheFocusBackToTheAnswer();
    void oddStoredColoursArePainted_data();
    void oddStoredColoursArePainted();
};

void tst_ScreenColours::layout()
{
    ColourRun run;
    run.openColours([&] {
        TFColor *c = run.colours;
        QCOMPARE(c->size(), QSize(362, 239));
        QCOMPARE(c->windowTitle(), u"Screen colours"_s);
        QCOMPARE(control<QPushButton>(c, u"Button8"_s)->text(), u"&Solid..."_s);
        QCOMPARE(control<QPushButton>(c, u"BitBtn5"_s)->text(), u"&Design"_s);
        QCOMPARE(control<QPushButton>(c, u"BitBtn4"_s)->text(), u"&Cancel"_s);
        const char *const captions[] = {"Aqua", "Ocean", "Nature", "Lila", "Honey", "Magma", "Pastel"};
        const char *const buttons[] = {"Button1", "Button2", "Button3", "Button4", "Button7", "Button5", "Button6"};
        for (int i = 0; i < 7; ++i) {
            auto *swatch = c->findChild<TGradient *>(u"Gradient%1"_s.arg(i + 1));
            auto *button = c->findChild<QPushButton *>(QString::fromLatin1(buttons[i]));
            QVERIFY(swatch && button);
            QCOMPARE(button->text(), QString::fromLatin1(captions[i]));
            QCOMPARE(swatch->spec(), preset(captions[i]).background);
            // The swatch stands over its button, in two rows of four.
            QCOMPARE(swatch->geometry().center().x(), button->geometry().center().x());
            QVERIFY(swatch->geometry().bottom() < button->geometry().top());
        }
        const std::pair<const char *, QString> tools[] = {
            {"BitBtn2", u"Flip"_s}, {"BitBtn3", u"Turn"_s}, {"BitBtn7", u"Gauge"_s}, {"BitBtn6", u"Keypad"_s}};
        for (const auto &[name, hint] : tools) {
            auto *button = c->findChild<QPushButton *>(QString::fromLatin1(name));
            QVERIFY2(button->text().isEmpty() && !button->icon().isNull(), name);
            QCOMPARE(button->toolTip(), hint);
        }
    });
}

void tst_ScreenColours::presetShowsAtOnceAndReachesTheStartWindowAtOk_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("preset");
    QTest::newRow("Aqua") << u"Button1"_s << u"Aqua"_s;
    QTest::newRow("Ocean") << u"Button2"_s << u"Ocean"_s;
    QTest::newRow("Nature") << u"Button3"_s << u"Nature"_s;
    QTest::newRow("Lila") << u"Button4"_s << u"Lila"_s;
    QTest::newRow("Honey") << u"Button7"_s << u"Honey"_s;
    QTest::newRow("Magma") << u"Button5"_s << u"Magma"_s;
    QTest::newRow("Pastel") << u"Button6"_s << u"Pastel"_s;
}

void tst_ScreenColours::presetShowsAtOnceAndReachesTheStartWindowAtOk()
{
    QFETCH(QString, button);
    QFETCH(QString, preset);
    const GradientSpec chosen = ::preset(qPrintable(preset)).background;
    ColourRun run;
    run.openColours([&] {
        run.click(run.colours, qPrintable(button));
        QCOMPARE(run.drillBackground(), chosen);
        QCOMPARE(run.topBar(), chosen.StartColor);
        QCOMPARE(run.startBackground(), storedBackground()); // not until OK
        run.click(run.colours, "BitBtn1");
    });
    QCOMPARE(run.startBackground(), chosen);
    QCOMPARE(run.drillBackground(), chosen);
}

void tst_ScreenColours::oceanFlipped()
{
    ColourRun run;
    run.openColours([&] {
        run.click(run.colours, "Button2");
        run.click(run.colours, "BitBtn2");
        QVERIFY(run.drillBackground().Flipped);
        QCOMPARE(run.topBar(), GradientSpec::Navy);
        const GradientTable &table = control<TGradient>(run.drill, u"Gradient1"_s)->table();
        QCOMPARE(table.color(0), GradientSpec::Navy);
        QCOMPARE(table.color(GradientTable::Bands - 1), 16777088);
        run.click(run.colours, "BitBtn1");
    });
    QVERIFY(run.startBackground().Flipped);
    QCOMPARE(run.startBackground(), run.drillBackground());
    QCOMPARE(run.topBar(), GradientSpec::Navy);
}

void tst_ScreenColours::lilaRunsLeftToRight()
{
    ColourRun run;
    run.openColours([&] {
        run.click(run.colours, "Button4");
        QCOMPARE(run.drillBackground().orientation, GradientSpec::goHorizontal);
        const QImage painted = control<TGradient>(run.drill, u"Gradient1"_s)->grab().toImage();
        const int y = painted.height() / 2;
        QCOMPARE(ColorValue::fromColor(painted.pixelColor(0, y)), 16693475);
        QCOMPARE(ColorValue::fromColor(painted.pixelColor(painted.width() / 2, y)), GradientSpec::White);
        QCOMPARE(ColorValue::fromColor(painted.pixelColor(painted.width() - 1, y)),
                 control<TGradient>(run.drill, u"Gradient1"_s)->table().color(GradientTable::Bands - 1));
        // Every line down the window has the same colour.
        QCOMPARE(painted.pixelColor(10, 0), painted.pixelColor(10, painted.height() - 1));
    });
}

void tst_ScreenColours::solidThenFlipAndTurnChangeNothingVisible()
{
    const int solid = 0x3070C0;
    ColorAnswers answers({solid});
    ColourRun run;
    run.openColours([&] {
        run.click(run.colours, "Button8");
        const GradientSpec background = run.drillBackground();
        QCOMPARE(background.StartColor, solid);
        QCOMPARE(background.MiddleColor, solid);
        QCOMPARE(background.EndColor, solid);
        QCOMPARE(run.topBar(), solid);
        run.click(run.colours, "BitBtn2");
        run.click(run.colours, "BitBtn3");
        QVERIFY(run.drillBackground().Flipped);
        QCOMPARE(run.drillBackground().orientation, GradientSpec::goHorizontal);
        for (int band = 0; band < GradientTable::Bands; ++band)
            QCOMPARE(control<TGradient>(run.drill, u"Gradient1"_s)->table().color(band), solid);
        QCOMPARE(run.topBar(), solid);
        run.click(run.colours, "BitBtn1");
    });
    QCOMPARE(run.startBackground(), run.drillBackground());
}

void tst_ScreenColours::cancelPutsEverythingBack_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Escape") << true;
}

// Magma, a flip, a turn, a designed end colour and new keypad and gauge
// colours, all undone.
void tst_ScreenColours::cancelPutsEverythingBack()
{
    QFETCH(bool, escape);
    ColorAnswers answers({0x111111, 0x222222, 0x333333});
    ColourRun run;
    run.openColours([&] {
        run.click(run.colours, "Button5");
        QCOMPARE(run.drillBackground(), preset("Magma").background);
        run.click(run.colours, "BitBtn2");
        run.click(run.colours, "BitBtn3");
        run.click(run.colours, "BitBtn6");
        run.click(run.colours, "BitBtn7");
        QCOMPARE(run.keypad(), 0x111111);
        QCOMPARE(run.settings().CalcColor, 0x111111);
        QCOMPARE(run.settings().Couleur, 0x222222);
        run.openDesigner([&] {
            run.click(run.designer, "CheckBox1");
            run.click(run.designer, "BitBtn3");
            run.click(run.designer, "BitBtn4");
        });
        QCOMPARE(run.drillBackground().EndColor, 0x333333);
        if (escape)
            QTest::keyClick(run.colours, Qt::Key_Escape);
        else
            run.click(run.colours, "BitBtn4");
    });
    QCOMPARE(run.drillBackground(), storedBackground());
    QCOMPARE(run.startBackground(), storedBackground());
    QCOMPARE(run.topBar(), Red);
    QCOMPARE(run.keypad(), Keypad);
    QCOMPARE(run.settings().CalcColor, Keypad);
    QCOMPARE(run.settings().Couleur, Gauge);
}

void tst_ScreenColours::cancelledChooserChangesNothing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("inDesigner");
    QTest::newRow("solid") << u"Button8"_s << false;
    QTest::newRow("keypad") << u"BitBtn6"_s << false;
    QTest::newRow("gauge") << u"BitBtn7"_s << false;
    QTest::newRow("start colour") << u"BitBtn1"_s << true;
    QTest::newRow("middle colour") << u"BitBtn2"_s << true;
    QTest::newRow("end colour") << u"BitBtn3"_s << true;
}

void tst_ScreenColours::cancelledChooserChangesNothing()
{
    QFETCH(QString, button);
    QFETCH(bool, inDesigner);
    ColorAnswers answers({std::nullopt});
    ColourRun run;
    run.openColours([&] {
        if (inDesigner)
            run.openDesigner([&] { run.click(run.designer, qPrintable(button)); });
        else
            run.click(run.colours, qPrintable(button));
        QCOMPARE(answers.openedOn.size(), 1);
        QCOMPARE(run.drillBackground(), storedBackground());
        QCOMPARE(run.topBar(), Red);
        QCOMPARE(run.keypad(), Keypad);
        QCOMPARE(run.settings().CalcColor, Keypad);
        QCOMPARE(run.settings().Couleur, Gauge);
        run.click(run.colours, "BitBtn1");
    });
    QCOMPARE(run.startBackground(), storedBackground());
}

void tst_ScreenColours::choosersOpenOnTheirLastColour()
{
    ColorAnswers answers({0x0000AA, std::nullopt, 0x00BB00, 0x00CC00});
    ColourRun run;
    run.openColours([&] {
        run.click(run.colours, "Button8");
        run.click(run.colours, "BitBtn6"); // cancelled: the last colour stays
        run.openDesigner([&] {
            run.click(run.designer, "BitBtn1");
            run.click(run.designer, "BitBtn3");
        });
        run.click(run.colours, "BitBtn7");
    });
    QCOMPARE(answers.openedOn, QList<int>({0, 0x0000AA, 0, 0x00BB00, 0x0000AA}));
}

void tst_ScreenColours::keypadAndGaugeColoursAreWrittenAtQuit()
{
    ColorAnswers answers({0x445566, 0x778899});
    ColourRun run;
    run.openColours([&] {
        run.click(run.colours, "Button4");
        run.click(run.colours, "BitBtn6");
        run.click(run.colours, "BitBtn7");
        run.click(run.colours, "BitBtn1");
    });
    QCOMPARE(run.keypad(), 0x445566);
    run.drill->hide();
    run.windows->FStart->BitBtn1Click();
    const ProfileFile written(run.dir.path(u"sys/multable.ini"_s));
    QCOMPARE(written.readString(u"GLOBAL"_s, u"CalcColor"_s), QString::number(0x445566));
    QCOMPARE(written.readString(u"CHRONO"_s, u"Couleur"_s), QString::number(0x778899));
    const GradientSpec lila = preset("Lila").background;
    QCOMPARE(written.readString(u"BACKGRD"_s, u"Start"_s), QString::number(lila.StartColor));
    QCOMPARE(written.readString(u"BACKGRD"_s, u"Middle"_s), QString::number(lila.MiddleColor));
    QCOMPARE(written.readString(u"BACKGRD"_s, u"End"_s), QString::number(lila.EndColor));
    QCOMPARE(written.readString(u"BACKGRD"_s, u"DblGr"_s), u"1"_s);
    QCOMPARE(written.readString(u"BACKGRD"_s, u"Flipped"_s), u"0"_s);
    QCOMPARE(written.readString(u"BACKGRD"_s, u"Orientation"_s), u"0"_s); // horizontal
}

void tst_ScreenColours::doubleGradientBoxOnOpening()
{
    ColourRun run;
    run.openColours([&] {
        run.click(run.colours, "Button2"); // Ocean: single
        QVERIFY(!run.drillBackground().DoubleGradient);
        run.openDesigner([&] {
            QVERIFY(control<QCheckBox>(run.designer, u"CheckBox1"_s)->isChecked());
            QVERIFY(run.drillBackground().DoubleGradient); // at once
            QVERIFY(control<QPushButton>(run.designer, u"BitBtn2"_s)->isEnabled());
            QCOMPARE(control<QPushButton>(run.designer, u"BitBtn1"_s)->text(), u"&Start colour"_s);
            QCOMPARE(run.designer->windowTitle(), u"Background"_s);
            run.click(run.designer, "CheckBox1");
            QVERIFY(!control<QPushButton>(run.designer, u"BitBtn2"_s)->isEnabled());
            QVERIFY(!run.drillBackground().DoubleGradient);
        });
        QVERIFY(!run.drillBackground().DoubleGradient);
        run.click(run.colours, "Button3"); // Nature: double
        run.openDesigner([&] {
            // The box kept its state, and the background follows it.
            QVERIFY(!control<QCheckBox>(run.designer, u"CheckBox1"_s)->isChecked());
            QVERIFY(!run.drillBackground().DoubleGradient);
        });
        run.click(run.colours, "BitBtn4");
    });
    QCOMPARE(run.drillBackground(), storedBackground());
    QVERIFY(run.drillBackground().DoubleGradient);
}

// The top bar follows the first colour, at the top of the background, also
// when the background is flipped.
void tst_ScreenColours::designedColoursShowAtOnce()
{
    ColorAnswers answers({0x010203, 0x040506, 0x070809, 0x0A0B0C});
    ColourRun run;
    run.openColours([&] {
        run.openDesigner([&] {
            run.click(run.designer, "BitBtn1");
            QCOMPARE(run.drillBackground().StartColor, 0x010203);
            QCOMPARE(run.topBar(), 0x010203);
            run.click(run.designer, "BitBtn2");
            QCOMPARE(run.drillBackground().MiddleColor, 0x040506);
            run.click(run.designer, "BitBtn3");
            QCOMPARE(run.drillBackground().EndColor, 0x070809);
        });
        run.click(run.colours, "BitBtn2");
        QCOMPARE(run.topBar(), 0x070809);
        run.openDesigner([&] { run.click(run.designer, "BitBtn1"); });
        QCOMPARE(run.drillBackground().StartColor, 0x0A0B0C);
        QCOMPARE(run.topBar(), 0x070809);
        run.click(run.colours, "BitBtn1");
    });
    QCOMPARE(run.startBackground(), run.drillBackground());
}

void tst_ScreenColours::okGivesTheFocusBackToTheAnswer()
{
    ColourRun run;
    run.drill->activateWindow();
    run.openColours([&] { run.click(run.colours, "BitBtn1"); });
    QCOMPARE(run.drill->focusWidget(), control<QLineEdit>(run.drill, u"Ans"_s));
}

void tst_ScreenColours::oddStoredColoursArePainted_data()
{
    QTest::addColumn<int>("colour");
    QTest::newRow("beyond 24 bits") << int(0x7F123456);
    QTest::newRow("negative") << -1;
    QTest::newRow("smallest") << std::numeric_limits<int>::min();
}

// Whatever 32-bit value reaches the windows, they paint its low 24 bits.
void tst_ScreenColours::oddStoredColoursArePainted()
{
    QFETCH(int, colour);
    ColorAnswers answers({colour, colour});
    ColourRun run;
    run.openColours([&] {
        run.click(run.colours, "Button8");
        run.click(run.colours, "BitBtn6");
        QCOMPARE(run.topBar(), colour & 0xFFFFFF);
        QCOMPARE(run.keypad(), colour & 0xFFFFFF);
        const QImage painted = control<TGradient>(run.drill, u"Gradient1"_s)->grab().toImage();
        QCOMPARE(ColorValue::fromColor(painted.pixelColor(5, 5)), colour & 0xFFFFFF);
        run.click(run.colours, "BitBtn1");
    });
}

QTEST_MAIN(tst_ScreenColours)
#include "tst_ScreenColours.moc"
