#pragma once

#include <QDialog>

// The about box: the logo, what the program is for, and its version.
class TFAbout : public QDialog
{
    Q_OBJECT

public:
    TFAbout();

    static QString versionLine(int major, int minor, int release, int build);

protected:
    void showEvent(QShowEvent *event) override;
};
