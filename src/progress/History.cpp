#include "History.h"

#include "HistoryFile.h"
#include "HistoryLine.h"

#include <algorithm>

void History::setFile(const QString &path)
{
    m_path = path;
    m_loaded = false;
    m_answers.clear();
}

// What the file could not read back is not kept: a fact outside the tables,
// or a time beyond what a line may hold (a question left on screen for hours).
void History::add(const Answer &answer)
{
    if (!answer.fact.isValid())
        return;
    Answer kept = answer;
    kept.milliseconds = std::clamp(answer.milliseconds, 0, HistoryLine::MaxMilliseconds);
    m_unsaved.append(kept);
    if (m_loaded)
        m_answers.append(kept);
}

const QList<Answer> &History::answers()
{
    if (!m_loaded)
        load();
    return m_answers;
}

void History::load()
{
    m_answers = HistoryFile::read(m_path).answers + m_unsaved;
    keepLast(m_answers);
    m_loaded = true;
}

void History::keepLast(QList<Answer> &answers) const
{
    if (answers.size() > HistoryFile::MaxAnswers)
        answers.remove(0, answers.size() - HistoryFile::MaxAnswers);
}

bool History::save(QString *errorText)
{
    if (m_unsaved.isEmpty())
        return true;
    // Counting lines is quick; the first one is the header.
    const bool withinLimit
        = HistoryFile::lineCount(m_path) - 1 + m_unsaved.size() <= HistoryFile::MaxAnswers;
    bool saved = false;
    if (withinLimit) {
        saved = HistoryFile::append(m_path, m_unsaved, errorText);
    } else {
        QList<Answer> all = HistoryFile::read(m_path).answers + m_unsaved;
        keepLast(all);
        saved = HistoryFile::rewrite(m_path, all, errorText);
        if (saved && m_loaded)
            m_answers = all;
    }
    if (saved)
        m_unsaved.clear();
    return saved;
}
