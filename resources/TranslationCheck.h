#pragma once
// The translation module is a Qt .qm file. Qt trusts the offsets and lengths inside it, so a
// damaged module can make it read outside the file while it looks up a text; a module is
// therefore checked, whole and within a bound, before Qt reads anything from it.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace ampora {

// A module larger than this is not one the build makes (the shipped German one is about 11 kB).
inline constexpr qsizetype kMaxTranslationModuleBytes = 1024 * 1024;

// True for a whole, well-formed module: the magic number; blocks of non-zero length lying
// inside the file and covering it; no dependency on other modules (Qt would load them too);
// a message block made of whole messages, each a run of known tags ending in its end tag; a
// hash table whose every entry points at the start of one of them; a context table whose
// chains all lie inside it.
bool IsSoundTranslationModule(QByteArrayView bytes);

// The bytes of the module at `path` when it is a readable regular file of at most
// kMaxTranslationModuleBytes that passes the check above; empty otherwise.
QByteArray ReadSoundTranslationModule(const QString& path);

} // namespace ampora
