#include "SoundProgram.h"

#include "TFStart.h"
#include "TextLines.h"

using namespace Qt::StringLiterals;

SoundProgram::SoundProgram(int bouton, bool answer, const QString &folderName)
    : dir(folderName)
    , device(dir.path())
    , recorder(answer)
{
    dir.write(u"sys/multable.ini"_s,
              "[GLOBAL]\r\nLanguage=en\r\n[SON]\r\nBouton=" + QByteArray::number(bouton) + "\r\n");
    dir.write(u"sys/choices.txt"_s, "2\r\n");
    dir.write(u"sys/en.lng"_s, "[FAudio]\r\nvRadioGroupCaption=Events for\r\n"
                                            "vAssocLbl=Sound file for event\r\n"
                                            "vChangedMessageDlg=has been changed. Save it?\r\n");
    dir.write(u"default.wav"_s, FakeAudioDevice::sound());
    dir.write(u"sys/SoundStr.txt"_s, "No sound\r\nSet A\r\nSet B\r\nSet C\r\nSet D\r\nSet E\r\n");
    QByteArray events;
    for (int event = 1; event <= 8; ++event)
        events += "Event " + QByteArray::number(event) + " (" + QByteArray::number(event) + ")\r\n";
    dir.write(u"sys/en-soundevents.txt"_s, events);
    for (int number = 1; number <= 5; ++number) {
        dir.write(u"sys/Sound%1.txt"_s.arg(number), setFile(number));
        for (int event = 1; event <= 8; ++event)
            dir.write(u"sounds/s%1-%2.wav"_s.arg(number).arg(event), FakeAudioDevice::sound());
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
    return u"appdir\\sounds\\s%1-%2.wav"_s.arg(number).arg(event);
}

QStringList SoundProgram::setLines(const QString &relative) const
{
    return TextLines::read(dir.path(relative)).value_or(QStringList{u"<unreadable>"_s});
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
