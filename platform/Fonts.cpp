#include "platform/Fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

#include "platform/PlatformLog.h"

namespace Platform {

namespace {

struct Twin {
    const char* twin;
    QStringList designNames;
};

// Liberation Sans, Sans Narrow, Serif and Mono have the advance widths of Arial, Arial Narrow,
// Times New Roman and Courier New glyph for glyph. The design's own sans default is a screen face
// of about Arial's widths, and its serif sibling one of about Times New Roman's: Liberation Sans
// and Serif are the nearest installed faces, where fontconfig's own choice (DejaVu) is wider.
const Twin Twins[] = {
    {"Liberation Sans", {DesignSansFont, QStringLiteral("Arial")}},
    {"Liberation Sans Narrow", {QStringLiteral("Arial Narrow")}},
    {"Liberation Serif", {DesignSerifFont}},
    {"Liberation Mono", {QStringLiteral("Courier New")}},
};

}   // namespace

void installFontSubstitutions()
{
    // insertSubstitution adds a twin only once, so a second call changes nothing.
    for (const Twin& t : Twins) {
        const QString twin = QString::fromLatin1(t.twin);
        if (!QFontDatabase::hasFamily(twin))
            qCWarning(lcPlatform) << "Font" << twin << "is not installed; captions in" << t.designNames
                                  << "may not fit their controls";
        for (const QString& name : t.designNames)
            QFont::insertSubstitution(name, twin);
    }
}

}   // namespace Platform
