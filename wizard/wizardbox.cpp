#include "wizardbox.h"

#include <QGridLayout>
#include <QSpacerItem>

#include "uitext.h"

namespace {

// Room beside the caption in a title bar: the window's icon and buttons.
constexpr int titleBarExtra = 160;

} // namespace

WizardBox::WizardBox(Icon icon, const QString &text, StandardButtons buttons, QWidget *parent,
                     StandardButton defaultButton)
    : QMessageBox(icon, caption(), text, buttons, parent)
{
    if (defaultButton != NoButton) {
        setDefaultButton(defaultButton);
        setEscapeButton(defaultButton);
    }
}

// The box sizes itself to its text when shown; a row as wide as the caption
// keeps the title from being cut short. It is added then, since setting an
// informative text lays the box out anew.
void WizardBox::showEvent(QShowEvent *event)
{
    auto *grid = qobject_cast<QGridLayout *>(layout());
    if (grid && !captionRow) {
        captionRow = new QSpacerItem(fontMetrics().horizontalAdvance(caption()) + titleBarExtra, 0,
                                     QSizePolicy::Minimum, QSizePolicy::Fixed);
        grid->addItem(captionRow, grid->rowCount(), 0, 1, grid->columnCount());
    }
    QMessageBox::showEvent(event);
}

QString WizardBox::caption()
{
    return uiText("TI Code Composer Project Converter");
}

bool askYesOrNo(QWidget *parent, const QString &text)
{
    WizardBox question(QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No, parent, QMessageBox::No);
    return question.exec() == QMessageBox::Yes;
}

void showFailureBox(const QString &reason)
{
    WizardBox failure(QMessageBox::Critical, uiText("Project Conversion Failed!\nPlease check the details log and try again."),
                      QMessageBox::Ok, nullptr);
    failure.setInformativeText(reason);
    failure.exec();
}
