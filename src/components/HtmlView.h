#pragma once

#include <QMargins>
#include <QTextBrowser>

// Shows local HTML pages. A link click is reported and followed only when
// asked; the display follows anchors and pages or pictures that lie in the
// folder of the page it was opened on, and reads nothing outside it.
class HtmlView : public QTextBrowser
{
    Q_OBJECT

public:
    // Pages are cut short beyond this size, so a huge file can't stall the program.
    static constexpr qint64 MaxBytes = 2 * 1024 * 1024;

    explicit HtmlView(QWidget *parent = nullptr);

    // Shows the page; false when it is not a file that can be read.
    bool open(const QString &path);

    // Follows a link inside the display: an anchor of the page, or a page or
    // picture in the folder of the opened page; any other link is ignored.
    void follow(const QUrl &target);

    // Space between the page and the display's sides.
    void setPageMargins(const QMargins &margins);

    QVariant loadResource(int type, const QUrl &name) override;

signals:
    void linkClicked(const QUrl &target);

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;

private:
    bool readable(const QUrl &resolved) const;

    QString m_folder;
    QMargins m_margins;
};
