#include "control_font.h"

#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

namespace {

// What fontconfig matches for `face` as Qt asks it for a fallback: the face,
// upright, with the generic sans-serif family behind it.
QString FontconfigPick(const QByteArray& face) {
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr) return {};
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(face.constData()));
    FcValue generic;
    generic.type = FcTypeString;
    generic.u.s = reinterpret_cast<const FcChar8*>("sans-serif");
    FcPatternAddWeak(pattern, FC_FAMILY, generic, FcTrue);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    QString family;
    FcChar8* name = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch)
        family = QString::fromUtf8(reinterpret_cast<const char*>(name));
    if (match != nullptr) FcPatternDestroy(match);
    return family;
}

}  // namespace

QString FamilyToRequest(const QString& face) {
    const QString control = QString::fromLatin1(ControlFontFace);
    if (face.compare(control, Qt::CaseInsensitive) != 0) return face;
    // Asked once per process: the installed fonts do not change under it.
    static const QString family = [&control] {
        if (QFontDatabase::hasFamily(control)) return control;
        const QString picked = FontconfigPick(control.toUtf8());
        return picked.isEmpty() ? control : picked;
    }();
    return family;
}
