#pragma once

#include "AppDirFixture.h"
#include "MessageRecorder.h"
#include "WindowControls.h"
#include "WindowSet.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class DrillTimers;
class IntervalTimer;
class TFCalculator;
class QWidget;

// A program folder with English and French drill and record texts, tables 3
// and 7, multiplicator 1 and up, think time 3 s, gauge shown, sound off; the
// drill window with its record dialogs, shown as the start window shows it,
// or the start window with the drill and progress windows behind it.
class DrillProgram
{
public:
    enum class Shown { Drill, StartWindow };

    // extraSettings: more lines for the settings file, with their sections.
    explicit DrillProgram(const QByteArray &extraSettings = {}, const QString &language = QStringLiteral("en"),
                          Shown shown = Shown::Drill);

    template<typename Control>
    Control *find(const QString &name) const { return control<Control>(drill, name); }

    IntervalTimer *timer(const QString &name) const;
    DrillTimers *timers() const;
    DrillState &state() const { return windows->context.drill; }
    Recording &recording() const { return windows->context.recording; }
    QString expected() const { return QString::number(state().Expected); }

    // Types the answer and presses Enter on the keyboard.
    void answer(const QString &typed) const;
    // The small caption under the record button: "Rec", "Playing" or nothing.
    QString recordCaption() const;
    // The question on screen as it would be recorded.
    QString questionLine() const;
    // Keys sent to the widget that has the keyboard focus.
    void keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) const;

    void typeDigits(const QString &digits) const;
    // Presses Tab until the control has the focus; false when it never gets it.
    bool tabTo(QWidget *target) const;

    // Runs inside once the next modal dialog is open, from within its loop.
    static void whenModal(const std::function<void(QWidget *dialog)> &inside, int triesLeft = 100);

    // Activates the window and waits until it is active.
    static void activate(QWidget *window);

    AppDirFixture dir;
    MessageRecorder messages;
    std::unique_ptr<WindowSet> windows;
    TFCalculator *drill = nullptr;
};
