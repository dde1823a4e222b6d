#include "SoundProgram.h"

#include "TFStart.h"
#include "TextLines.h"

SoundProgram::SoundProgram(int bouton, bool answer, const QString &folderName)
    : dir(folderName)
    , device(dir.path())
    , recorder(answer)
{
    dir.write(QStringLiteral("sys/multable.ini"),
              "[GLOBAL]\r\nLanguage=en\r\n[SON]\r\nBouton=" + QByteArray::number(bouton) + "\r\n");
    dir.write(QStringLiteral("sys/choices.txt"), "2\r\n");
    dir.write(QStringLiteral("sys/en.lng"), "[FAudio]\r\nvRadioGroupCaption=Events for\r\n"
                                            "vAssocLbl=Sound file for event\r\n"
                                            "vChangedMessageDlg=has been changed. Save it?\r\n");
    dir.write(QStringLiteral("default.wav"), FakeAudioDevice::sound());
    dir.write(QStringLiteral("sys/SoundStr.txt"), "No sound\r\nSet A\r\nSet B\r\nSet C\r\nSet D\r\nSet E\r\n");
    QByteArray events;
    for (int event = 1; event <= 8; ++event)
        events += "Event " + QByteArray::number(event) + " (" + QByteArray::number(event) + ")\r\n";
    dir.write(QStringLiteral("sys/en-soundevents.txt"), events);
    for (int number = 1; number <= 5; ++number) {
        dir.write(QStringLiteral("sys/Sound%1.txt").arg(number), setFile(number));
        for (int event = 1; event <= 8; ++event)
            dir.write(QStringLiteral("sounds/s%1-%2.wav").arg(number).arg(event), FakeAudioDevice::sound());
    }
}

QByteArray SoundProgram::setFile(int number)
{
    QByteArray lines;
    for (int event = 1; event <= 8; ++event)
        lines += "appdir\\sounds\\s" + QByteArray::number(number) + "-" + QByteArray::number(event) + ".wav\r\n";
    return lines;
}

QString SoundProgram::sequenceLine(int number, int event) const
{
    return QStringLiteral("appdir\\sounds\\s%1-%2.wav").arg(number).arg(event);
}

QStringList SoundProgram::setLines(const QString &relative) const
{
    return TextLines::read(dir.path(relative)).value_or(QStringList{QStringLiteral("<unreadable>")});
}

void SoundProgram::create()
{
    windows = std::make_unique<WindowSet>(dir.path());
    windows->create();
}

void SoundProgram::start()
{
    windows->FStart->showAndActivate();
}

int SoundProgram::bouton() const
{
    return windows->context.settings.Bouton;
}
