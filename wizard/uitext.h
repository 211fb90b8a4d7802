#ifndef KORRIN_WIZARD_UITEXT_H
#define KORRIN_WIZARD_UITEXT_H

#include <QCoreApplication>

// Every text the user sees is looked up in the form's translation context.
inline QString uiText(const char *sourceText)
{
    return QCoreApplication::translate("TICodeComposerConverterBase", sourceText);
}

#endif
