#pragma once

#include <QList>
#include <QUrl>

// Records every address handed to the system's programs while it lives.
class LinkRecorder
{
public:
    LinkRecorder();
    ~LinkRecorder();

    QList<QUrl> opened;
};
