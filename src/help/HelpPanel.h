#pragma once

#include <QFont>
#include <QFrame>
#include <QMargins>

class HtmlView;
class QLabel;
class QPushButton;

// The help page of the current language, shown over a window's work: a bar
// with a short hint and a close button above the page. Mail and web links go
// to the system's programs; every other link is followed inside the panel.
class HelpPanel : public QFrame
{
    Q_OBJECT

public:
    // What differs between the windows that show help.
    struct Look
    {
        const char *panelName;
        const char *barName;
        const char *hintName;
        const char *closeName;
        int barHeight;
        int barGrey; // red, green and blue of the bar
        QFont hintFont;
        QString pageFont;
        QMargins pageMargins; // none: the display's own
    };

    HelpPanel(const Look &look, QWidget *parent);

    void setTexts(const QString &hint, const QString &closeCaption);

    // Gives the panel its place in its window and lays out its bar at once,
    // also while the panel is hidden.
    void place(const QRect &area);

    // Shows the page in the panel; a missing page is reported and false returned.
    bool load(const QString &pagePath);

    // The keyboard goes to the page, so that it scrolls with the keys.
    void focusPage();

    QPushButton *closeButton() const { return m_close; }

    // Called with the target of every link the user clicks.
    void htmlLite1HotSpotClick(const QUrl &target);

signals:
    void closeClicked();

private:
    HtmlView *page();

    Look m_look;
    QFrame *m_bar;
    QLabel *m_hint;
    QPushButton *m_close;
    HtmlView *m_page = nullptr;
};
