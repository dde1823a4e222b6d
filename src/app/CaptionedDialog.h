#pragma once

#include "CaptionTexts.h"

#include <QDialog>

struct AppContext;

// A modal window of the program whose texts come from its own section of the
// language file. The texts are read by LoadCaptions (at creation and after
// every change of language) and applied each time the window is shown.
class CaptionedDialog : public QDialog
{
    Q_OBJECT

public:
    virtual void LoadCaptions();

protected:
    CaptionedDialog(AppContext &context, const QString &section, const QString &titleKey);

    QString text(const QString &key) const { return m_texts.text(key); }
    const CaptionTexts &texts() const { return m_texts; }
    AppContext &context() const { return m_context; }

    // Runs each time the window is shown; applies the title, if the window
    // takes it from the language file.
    virtual void FormShow();

    // No buttons in the title bar.
    void makeFixedDialog();

    // A fixed size of the given width and the height its texts need there.
    void fitToWidth(int width);

    void showEvent(QShowEvent *event) override;

private:
    AppContext &m_context;
    QString m_section;
    QString m_titleKey;
    CaptionTexts m_texts;
};
