#pragma once

#include "Answer.h"

#include <QList>
#include <QString>

// The pupil's answers across days. The drill adds each judged answer; the
// new ones reach the file when save() runs (when the drill window closes and
// when the program quits). The file is read only when its answers are first
// needed, never at start-up.
class History
{
public:
    void setFile(const QString &path);
    QString file() const { return m_path; }

    // The drill's one call per judged answer.
    void add(const Answer &answer);

    // Every answer known, oldest first: the file's and those not yet saved.
    const QList<Answer> &answers();

    // Appends the unsaved answers, or rewrites the file with the last
    // HistoryFile::MaxAnswers when it would hold more. On failure the file
    // keeps what it had, the answers stay unsaved and errorText gets the
    // message of the program's other files.
    bool save(QString *errorText = nullptr);

    bool hasUnsaved() const { return !m_unsaved.isEmpty(); }

private:
    void load();
    void keepLast(QList<Answer> &answers) const;

    QString m_path;
    bool m_loaded = false;
    QList<Answer> m_answers; // the file's, then the unsaved ones
    QList<Answer> m_unsaved;
};
