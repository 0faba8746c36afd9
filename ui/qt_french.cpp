#include "ui/qt_french.h"

#include <cstring>

namespace tarvelle::ui {

QString QtFrenchTranslator::translate(const char* context, const char* sourceText, const char*, int) const
{
    if (!context || !sourceText)
        return {};
    for (std::size_t i = 0; i < qtFrenchTextCount; ++i) {
        const QtFrenchText& text = qtFrenchTexts[i];
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0)
            return QString::fromUtf8(text.french);
    }
    return {};
}

}  // namespace tarvelle::ui
