#include "PrintFonts.h"

namespace PrintFonts {

QString family(Face face)
{
    switch (face) {
    case Face::Condensed:
        return QStringLiteral("DejaVu Sans Condensed");
    case Face::Mono:
        return QStringLiteral("DejaVu Sans Mono");
    case Face::Sans:
        break;
    }
    return QStringLiteral("DejaVu Sans");
}

QFont font(Face face)
{
    QFont f(family(face));
    f.setStyleHint(face == Face::Mono ? QFont::TypeWriter : QFont::SansSerif);
    f.setFixedPitch(face == Face::Mono);
    return f;
}

} // namespace PrintFonts
