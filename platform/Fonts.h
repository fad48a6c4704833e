#pragma once
// The windows name the fonts they were laid out with; this machine has fonts of the same widths
// under other names (Debian's fonts-liberation). installFontSubstitutions() maps each design name
// to its metric twin once at start-up, so a caption takes the width it was laid out for.
#include <QString>

namespace Platform {

// The family of every window and control that names none of its own.
inline const QString DesignSansFont = QStringLiteral("MS Sans Serif");
// The small serif family of the band maps' spot and tick labels.
inline const QString DesignSerifFont = QStringLiteral("MS Serif");

// Registers a substitution (QFont::insertSubstitution) for every design family: the design's
// sans and Arial to Liberation Sans, Arial Narrow to Liberation Sans Narrow, the design's serif
// to Liberation Serif, Courier New to Liberation Mono. Reads the font database: a twin that is
// not installed leaves a qCWarning, and its names then fall back to fontconfig's own choice.
// Changes only the process-wide substitution table; calling it again adds nothing. Needs the
// QApplication.
void installFontSubstitutions();

}   // namespace Platform
