#pragma once

#include <QTranslator>

#include <cstddef>

namespace tarvelle::ui {

// One of Qt's own texts with its French translation.
struct QtFrenchText {
    const char* context;
    const char* source;
    const char* french;
};

// The texts of Qt's that the program shows, taken from Qt's French translation at
// build time (by tools/qt_french).
extern const QtFrenchText qtFrenchTexts[];
extern const std::size_t qtFrenchTextCount;

// Gives Qt's widgets those texts in French.
class QtFrenchTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }
};

}  // namespace tarvelle::ui
