#pragma once

#include <QDialog>

class WindowSet;

// The about box: the logo, what the program is for, and its version.
class TFAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TFAbout(WindowSet &windows);

    static QString versionLine(int major, int minor, int release, int build);

protected:
    void showEvent(QShowEvent *event) override;
};
