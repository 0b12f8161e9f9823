#include "resources/TranslationModule.h"

#include "resources/TranslationCheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ampora {
namespace {

// The module in force and whether it has been looked for since start-up or the last unload.
struct ModuleState {
    QTranslator* translator = nullptr;
    QByteArray bytes; // what the translator reads its texts from
    QString path;
    bool searched = false;
};

ModuleState& Module()
{
    static ModuleState state;
    return state;
}

// Qt's own texts (message box buttons, file dialogs) in the module's language.
QTranslator*& QtTexts()
{
    static QTranslator* translator = nullptr;
    return translator;
}

void LoadQtTranslation(const QString& language)
{
    if (language.isEmpty())
        return;
    const QStringList dirs{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                           QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))};
    for (const QString& dir : dirs) {
        auto* translator = new QTranslator;
        if (translator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"), dir)
            && QCoreApplication::installTranslator(translator)) {
            QtTexts() = translator;
            return;
        }
        delete translator;
    }
}

} // namespace

QStringList TranslationModuleDirs()
{
    // A module in the current directory or beside the program is the user's own choice;
    // otherwise the shipped module of the user's language, in the build tree or installed.
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString language = QLocale::system().name().section(QLatin1Char('_'), 0, 0);
    QStringList dirs{QDir::currentPath(), appDir};
    if (!language.isEmpty() && language != QLatin1String("C")) {
        dirs << QDir(appDir).filePath(QStringLiteral("translations/") + language)
             << QDir(appDir).filePath(QStringLiteral("../share/ampora/translations/") + language);
    }
    return dirs;
}

QString LoadTranslationModule()
{
    ModuleState& module = Module();
    if (module.searched)
        return module.path;
    module.searched = true;
    for (const QString& dir : TranslationModuleDirs()) {
        const QString path = QDir(dir).filePath(QString::fromLatin1(kTranslationModuleName));
        if (!QFileInfo(path).isFile())
            continue;
        // Checked before Qt reads a text from it; Qt then reads these very bytes, kept for as
        // long as the module is in force.
        QByteArray bytes = ReadSoundTranslationModule(path);
        auto* translator = new QTranslator;
        if (!bytes.isEmpty()
            && translator->load(reinterpret_cast<const uchar*>(bytes.constData()), static_cast<int>(bytes.size()))
            && QCoreApplication::installTranslator(translator)) {
            module.translator = translator;
            module.bytes = std::move(bytes);
            module.path = path;
            LoadQtTranslation(translator->language());
            return path;
        }
        delete translator; // not a sound module: the built-in set stays
        return QString();
    }
    return QString();
}

void UnloadTranslationModule()
{
    ModuleState& module = Module();
    for (QTranslator** t : {&module.translator, &QtTexts()}) {
        if (*t) {
            QCoreApplication::removeTranslator(*t);
            delete *t;
            *t = nullptr;
        }
    }
    module = ModuleState();
}

} // namespace ampora
