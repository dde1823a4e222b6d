#include "CaptionedDialog.h"

#include "AppContext.h"

#include <QLayout>
#include <QShowEvent>

CaptionedDialog::CaptionedDialog(AppContext &context, const QString &section, const QString &titleKey)
    : m_context(context)
    , m_section(section)
    , m_titleKey(titleKey)
{
    setObjectName(section);
}

void CaptionedDialog::LoadCaptions()
{
    m_texts = CaptionTexts::load(context().languageFile(), m_section);
}

void CaptionedDialog::FormShow()
{
    if (!m_titleKey.isEmpty())
        setWindowTitle(text(m_titleKey));
}

void CaptionedDialog::makeFixedDialog()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

void CaptionedDialog::fitToWidth(int width)
{
    const int height = layout() && layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width)
                                                                : sizeHint().height();
    setFixedSize(width, height);
}

void CaptionedDialog::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}
